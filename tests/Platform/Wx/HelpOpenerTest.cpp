// Help Topics under the drawing backend, with a stand-in for the desktop's
// opener on PATH: the opener starts in the background and reports nothing
// back, so only a help file that is there and readable may reach it.
#include "Platform/Framework/HelpViewer.h"
#include "Platform/Window/Backend.h"
#include "Platform/Window/DialogResult.h"
#include "Platform/Wx/WxBackend.h"
#include "tests/support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

namespace
{
using Platform::Backend;
using Platform::WxBackend;

// PATH starts with aFolder while it lives.
class SearchPathFirst
{
public:
    explicit SearchPathFirst(const std::string& aFolder)
    {
        const char* path = std::getenv("PATH");
        myHadPrevious = path != nullptr;
        myPrevious = myHadPrevious ? path : "";
        setenv("PATH", (aFolder + ":" + myPrevious).c_str(), 1);
    }
    ~SearchPathFirst()
    {
        if (myHadPrevious)
            setenv("PATH", myPrevious.c_str(), 1);
        else
            unsetenv("PATH");
    }

private:
    std::string myPrevious;
    bool myHadPrevious;
};

std::string contentsOf(const std::string& aPath)
{
    std::ifstream file(aPath);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

TEST(HelpOpenerTest, OnlyAHelpFileThatIsThereReachesTheOpenerAndAMissingOneIsReported)
{
    ASSERT_TRUE(Backend::isInstalled()) << "no display for the drawing backend";
    WxBackend* backend = dynamic_cast<WxBackend*>(&Backend::current());
    ASSERT_NE(backend, nullptr) << "no display for the drawing backend";

    TemporaryFolder folder;
    const std::string record = folder.pathOf("opened.txt");
    // The stand-in opener notes each file it is given and succeeds, as the
    // desktop's does whether or not it can show the file.
    const std::string opener = folder.write("xdg-open", "#!/bin/sh\necho \"$1\" >> '" + record + "'\nexit 0\n");
    std::filesystem::permissions(opener, std::filesystem::perms::owner_all);
    SearchPathFirst searchPath(folder.path());
    const std::string help = folder.write("Help.chm", "topics");

    EXPECT_TRUE(Platform::HelpViewer::showTopics(help));
    for (int i = 0; i < 500 && contentsOf(record).empty(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(help + "\n", contentsOf(record));

    bool shown = false;
    backend->later([&]() { shown = backend->pressMessageBoxButton(Platform::DialogResult::ok); });
    EXPECT_FALSE(Platform::HelpViewer::showTopics(folder.pathOf("Tessiva.chm")));
    EXPECT_TRUE(shown) << "no message box";
    EXPECT_FALSE(backend->isMessageBoxShown());
    // Time enough for an opener, had it been started.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_EQ(help + "\n", contentsOf(record));
}
}
