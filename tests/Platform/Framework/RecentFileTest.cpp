#include "MiniatureProgram.h"

#include "Platform/Framework/CommandIds.h"
#include "Platform/Framework/RecentFileList.h"
#include "Platform/ProfileStore.h"
#include "tests/support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace
{
using namespace Miniature;
using Platform::CommandIds;

class RecentFileTest : public Fixture, public ::testing::Test
{
protected:
    std::vector<std::string> storedEntries() const
    {
        Platform::ProfileStore store(programName);
        std::vector<std::string> entries;
        for (int index = 1; index <= 5; ++index)
        {
            entries.push_back(store.getString("Recent File List", "File" + std::to_string(index), "(none)"));
        }
        return entries;
    }

    TemporaryFolder files;
};

TEST_F(RecentFileTest, OpeningsKeepTheFourNewestInTheProfileNewestFirst)
{
    std::vector<std::string> paths;
    for (const char* name : {"a.mnt", "b.mnt", "c.mnt", "d.mnt", "e.mnt"})
    {
        paths.push_back(files.write(name, ""));
    }
    {
        TestApplication application;
        ASSERT_TRUE(start(application, {paths[0]}));
        for (std::size_t index = 1; index < paths.size(); ++index)
        {
            ASSERT_NE(nullptr, application.openDocumentFile(paths[index]));
        }
        ASSERT_NE(nullptr, application.openDocumentFile(paths[2])); // again: moves to the top
        const std::vector<std::string> expected = {paths[2], paths[4], paths[3], paths[1]};
        EXPECT_EQ(expected, application.recentFiles()->files());
        EXPECT_EQ((std::vector<std::string>{paths[2], paths[4], paths[3], paths[1], "(none)"}), storedEntries());
    }
    // The next start reads them back and shows them in the menu.
    TestApplication application;
    ASSERT_TRUE(start(application));
    const Platform::Menu menu = application.frame()->menu();
    for (unsigned index = 0; index < 4; ++index)
    {
        const Platform::Menu::Item* item = menu.findCommand(CommandIds::recentFileFirst + index);
        ASSERT_NE(nullptr, item) << index;
        EXPECT_EQ("&" + std::to_string(index + 1) + " " + application.recentFiles()->file(index), item->text);
    }
    EXPECT_EQ(nullptr, menu.findCommand(CommandIds::recentFileFirst + 4));
    EXPECT_EQ(paths[2], application.recentFiles()->file(0));
}

// The menu lists the recent files by name: when their order changes, their
// number staying, the frame's window changes with it on the next tick.
TEST_F(RecentFileTest, ReorderedRecentFilesChangeTheFramesWindowOnTheNextTick)
{
    const std::string first = files.write("first.mnt", "");
    const std::string second = files.write("second.mnt", "");
    TestApplication application;
    ASSERT_TRUE(start(application, {first}));
    ASSERT_NE(nullptr, application.openDocumentFile(second));
    user.tick();
    const Platform::Window& frame = application.frame()->window();
    application.recentFiles()->add(first);
    ASSERT_EQ((std::vector<std::string>{first, second}), application.recentFiles()->files());
    const unsigned long before = frame.generation();
    user.tick();
    EXPECT_GT(frame.generation(), before) << "the tick left the frame as it was";
}

TEST_F(RecentFileTest, AnEmptyListShowsItsPlaceDisabled)
{
    TestApplication application;
    ASSERT_TRUE(start(application));
    const Platform::Menu menu = application.frame()->menu();
    const Platform::Menu::Item* item = menu.findCommand(CommandIds::recentFileFirst);
    ASSERT_NE(nullptr, item);
    EXPECT_EQ("Recent File", item->text);
    EXPECT_FALSE(application.frame()->commandState(CommandIds::recentFileFirst)->enabled);
}

TEST_F(RecentFileTest, ARecentFileCommandOpensItsFileAndAVanishedOneLeavesTheList)
{
    const std::string first = files.write("first.mnt", "");
    const std::string second = files.write("second.mnt", "");
    TestApplication application;
    ASSERT_TRUE(start(application, {first}));
    ASSERT_NE(nullptr, application.openDocumentFile(second));
    user.tick();
    EXPECT_TRUE(application.frame()->commandState(CommandIds::recentFileFirst + 1)->enabled);

    EXPECT_TRUE(user.command(CommandIds::recentFileFirst + 1));
    EXPECT_EQ(first, application.document()->pathName());
    EXPECT_EQ((std::vector<std::string>{first, second}), application.recentFiles()->files());

    std::remove(second.c_str());
    user.expectMessageBox("The file " + second + " could not be opened.");
    user.command(CommandIds::recentFileFirst + 1);
    user.finish();
    EXPECT_EQ(first, application.document()->pathName()); // the open document stays
    EXPECT_EQ(std::vector<std::string>{first}, application.recentFiles()->files());
    EXPECT_EQ((std::vector<std::string>{first, "", "", "", "(none)"}), storedEntries());
}

TEST(RecentFileListTest, RelativePathsAreKeptAbsoluteAndDuplicatesInTheProfileOnce)
{
    PortProfile profile;
    Platform::ProfileStore store("Listing");
    ASSERT_TRUE(store.writeString("Recent File List", "File1", "/data/one.mnt"));
    ASSERT_TRUE(store.writeString("Recent File List", "File2", ""));
    ASSERT_TRUE(store.writeString("Recent File List", "File3", "/data/one.mnt"));
    ASSERT_TRUE(store.writeString("Recent File List", "File4", "/data/two.mnt"));
    Platform::RecentFileList list(store, 4);
    list.read();
    EXPECT_EQ((std::vector<std::string>{"/data/one.mnt", "/data/two.mnt"}), list.files());
    list.add("relative/three.mnt");
    EXPECT_EQ('/', list.file(0)[0]);
    EXPECT_NE(std::string::npos, list.file(0).find("/relative/three.mnt"));
    EXPECT_EQ("&2 /data/one.mnt", list.displayName(1));
    EXPECT_EQ("", list.displayName(3));
}

TEST(RecentFileListTest, TwoProgramsSharingTheFileKeepEachOthersFilesNewestFirst)
{
    PortProfile profile;
    Platform::ProfileStore store("Listing");
    ASSERT_TRUE(store.writeStrings("Recent File List", {{"File1", "/data/old1.mnt"}, {"File2", "/data/old2.mnt"}}));
    Platform::RecentFileList first(store, 4);
    Platform::RecentFileList second(store, 4);
    first.read();
    second.read();
    first.add("/data/a.mnt");
    second.add("/data/b.mnt");
    second.remove(2); // old1, gone for both
    // Both close, one after the other, each writing its list.
    ASSERT_TRUE(first.write());
    ASSERT_TRUE(second.write());
    const std::vector<std::string> merged = {"/data/b.mnt", "/data/a.mnt", "/data/old2.mnt"};
    EXPECT_EQ(merged, second.files());
    Platform::RecentFileList next(store, 4);
    next.read();
    EXPECT_EQ(merged, next.files());
    // The newest goes first and the oldest drops out beyond four.
    first.add("/data/c.mnt");
    second.add("/data/d.mnt");
    ASSERT_TRUE(first.write());
    next.read();
    EXPECT_EQ((std::vector<std::string>{"/data/d.mnt", "/data/c.mnt", "/data/b.mnt", "/data/a.mnt"}), next.files());
}
}
