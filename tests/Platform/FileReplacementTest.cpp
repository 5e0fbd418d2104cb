#include "Platform/FileReplacement.h"

#include "tests/support/ChildProgram.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/FullDisk.h"
#include "tests/support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <future>
#include <optional>
#include <iterator>
#include <stdexcept>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using Platform::FileReplacement;

namespace
{
const std::string theOldText(443, 'o');

std::string fileText(const std::string& aPath)
{
    std::ifstream in(aPath, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The names in the folder, sorted.
std::vector<std::string> namesIn(const TemporaryFolder& aFolder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(aFolder.path()))
    {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

mode_t modeOf(const std::string& aPath)
{
    struct stat status;
    EXPECT_EQ(0, ::lstat(aPath.c_str(), &status)) << aPath;
    return status.st_mode;
}

bool replace(const std::string& aPath, const std::string& aText)
{
    FileReplacement file(aPath);
    if (!file.isOpen())
    {
        return false;
    }
    file.stream() << aText;
    return file.commit();
}
}

TEST(FileReplacement, ReplacesTheFileWholeAndKeepsItsPermissions)
{
    TemporaryFolder folder;
    const std::string path = folder.write("setup.vnb", theOldText);
    ASSERT_EQ(0, ::chmod(path.c_str(), 0640));
    ASSERT_TRUE(replace(path, "new"));
    EXPECT_EQ("new", fileText(path));
    EXPECT_EQ(0640u, modeOf(path) & 07777);
    EXPECT_EQ(std::vector<std::string>{"setup.vnb"}, namesIn(folder));
}

TEST(FileReplacement, ANewFileGetsWhatTheUmaskAllows)
{
    TemporaryFolder folder;
    const mode_t old = ::umask(022);
    const bool replaced = replace(folder.pathOf("report.txt"), "text");
    ::umask(old);
    ASSERT_TRUE(replaced);
    EXPECT_EQ(0644u, modeOf(folder.pathOf("report.txt")) & 07777);
}

TEST(FileReplacement, AWriterThatThrowsPartWayLeavesTheOldFileAndNoTemporary)
{
    // Points inside the first buffer, at its edge and well past it.
    for (std::size_t bytes : {std::size_t{0}, std::size_t{1}, std::size_t{442}, std::size_t{8192},
                              std::size_t{8193}, std::size_t{100000}})
    {
        TemporaryFolder folder;
        const std::string path = folder.write("setup.vnb", theOldText);
        try
        {
            FileReplacement file(path);
            ASSERT_TRUE(file.isOpen());
            for (std::size_t i = 0; i < bytes; ++i)
            {
                file.stream().put('n');
            }
            throw std::runtime_error("killed");
        }
        catch (const std::runtime_error&)
        {
        }
        EXPECT_EQ(theOldText, fileText(path)) << bytes;
        EXPECT_EQ(std::vector<std::string>{"setup.vnb"}, namesIn(folder)) << bytes;
    }
}

TEST(FileReplacement, AFullDiskFailsTheCommitAndLeavesTheOldFileByteForByte)
{
    // Shorter than the old file, and longer than it but shorter than the buffer.
    for (std::size_t newSize : {std::size_t{300}, std::size_t{2000}, std::size_t{50000}})
    {
        TemporaryFolder folder;
        const std::string path = folder.write("setup.vnb", theOldText);
        const std::string fresh = folder.pathOf("fresh.txt");
        bool replaced = true;
        bool created = true;
        {
            FileSizeLimit limit(100);
            replaced = replace(path, std::string(newSize, 'n'));
            created = replace(fresh, std::string(newSize, 'n'));
        }
        EXPECT_FALSE(replaced) << newSize;
        EXPECT_FALSE(created) << newSize;
        EXPECT_EQ(theOldText, fileText(path)) << newSize;
        // Neither the half-written new file nor a temporary file is left behind.
        EXPECT_EQ(std::vector<std::string>{"setup.vnb"}, namesIn(folder)) << newSize;
    }
}

TEST(FileReplacement, AStreamThatFailedEarlierFailsTheCommit)
{
    TemporaryFolder folder;
    const std::string path = folder.write("setup.vnb", theOldText);
    FileReplacement file(path);
    ASSERT_TRUE(file.isOpen());
    file.stream() << "half";
    file.stream().setstate(std::ios::failbit);
    EXPECT_FALSE(file.commit());
    EXPECT_EQ(theOldText, fileText(path));
    EXPECT_EQ(std::vector<std::string>{"setup.vnb"}, namesIn(folder));
}

TEST(FileReplacement, ASymbolicLinkStaysALinkAndItsTargetIsReplaced)
{
    TemporaryFolder folder;
    std::filesystem::create_directory(folder.pathOf("real"));
    const std::string target = folder.write("real/setup.vnb", theOldText);
    const std::string link = folder.pathOf("setup.vnb");
    ASSERT_EQ(0, ::symlink("real/setup.vnb", link.c_str()));
    // A link to a link, and a link to a file not there yet.
    const std::string second = folder.pathOf("second.vnb");
    ASSERT_EQ(0, ::symlink(link.c_str(), second.c_str()));
    const std::string dangling = folder.pathOf("dangling.vnb");
    ASSERT_EQ(0, ::symlink("real/new.vnb", dangling.c_str()));

    ASSERT_TRUE(replace(second, "new"));
    EXPECT_TRUE(S_ISLNK(modeOf(link)));
    EXPECT_TRUE(S_ISLNK(modeOf(second)));
    EXPECT_EQ("new", fileText(target));

    ASSERT_TRUE(replace(dangling, "made"));
    EXPECT_TRUE(S_ISLNK(modeOf(dangling)));
    EXPECT_EQ("made", fileText(folder.pathOf("real/new.vnb")));
    EXPECT_EQ(folder.pathOf("real/new.vnb"), Platform::followLinks(dangling));
}

TEST(FileReplacement, WhatIsNoRegularFileIsNeitherOpenedNorReplaced)
{
    TemporaryFolder folder;
    const std::string fifo = folder.pathOf("fifo");
    ASSERT_EQ(0, ::mkfifo(fifo.c_str(), 0600));
    std::filesystem::create_directory(folder.pathOf("folder"));
    for (const std::string& path : {fifo, folder.pathOf("folder"), folder.pathOf("missing/file.txt")})
    {
        FileReplacement file(path);
        EXPECT_FALSE(file.isOpen()) << path;
        EXPECT_FALSE(file.commit()) << path;
    }
    EXPECT_TRUE(S_ISFIFO(modeOf(fifo)));
    EXPECT_EQ((std::vector<std::string>{"fifo", "folder"}), namesIn(folder));
}

TEST(FileReplacement, AReadOnlyFileIsNotReplaced)
{
    TemporaryFolder folder;
    ASSERT_EQ(0, ::chmod(folder.path().c_str(), 0777)); // the folder would allow the rename
    const std::string path = folder.write("setup.vnb", theOldText);
    ASSERT_EQ(0, ::chmod(path.c_str(), 0444));
    // Root may write to any file: the replacement runs as nobody then.
    const uid_t nobody = 65534;
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0)
    {
        if (::geteuid() == 0 && ::setuid(nobody) != 0)
        {
            ::_exit(2);
        }
        FileReplacement file(path);
        ::_exit(file.isOpen() ? 1 : file.error() == EACCES ? 0 : 3);
    }
    int status = 0;
    ASSERT_EQ(child, ::waitpid(child, &status, 0));
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(0, WEXITSTATUS(status));
    EXPECT_EQ(theOldText, fileText(path));
    EXPECT_EQ(std::vector<std::string>{"setup.vnb"}, namesIn(folder));
}

TEST(FileReplacement, AKilledWriteLeavesTheOldFileWholeAndNoTemporary)
{
    TemporaryFolder folder;
    const std::string path = folder.write("Tessiva.ini", theOldText);
    folder.write("Tessiva.ini.keep", "other");
    folder.write(".Tessiva.ini.lock", "");
    const std::vector<std::string> before = namesIn(folder);
    // Killed in the middle of its writes, and after naming its file but before the rename.
    for (const std::string mode : {"replace", "killed-after-naming"})
    {
        {
            ChildProgram writer(VORNA_FILE_WRITER, {mode, path});
            std::string answer;
            for (int line = 0; line < 50; ++line)
            {
                ASSERT_TRUE(writer.writeLine(std::string(100, 'n')));
                ASSERT_TRUE(writer.readLine(answer));
                ASSERT_EQ("wrote", answer);
            }
            if (mode == "replace")
            {
                writer.kill(SIGKILL);
                EXPECT_EQ(before, namesIn(folder)) << mode;
            }
            else
            {
                EXPECT_EQ(-1, writer.finish()); // it died in the commit
                EXPECT_EQ(before.size() + 1, namesIn(folder).size()) << mode;
            }
        }
        EXPECT_EQ(theOldText, fileText(path)) << mode;
    }
    // The next save of the same file clears what the killed one left.
    ASSERT_TRUE(replace(path, theOldText));
    EXPECT_EQ(before, namesIn(folder));
    EXPECT_EQ(theOldText, fileText(path));
}

TEST(FileReplacement, ASaveRemovesOnlyItsOwnLeftoversNotAUsersFilesBesideTheTarget)
{
    TemporaryFolder folder;
    const std::string path = folder.write("setup.vnb", theOldText);
    // Names a user may give, some of them as long as a temporary name.
    const std::vector<std::string> users{".setup.vnb.backup", ".setup.vnb.~part~ab.def", ".setup.vnb.~part~abcdefg",
                                         ".setup.vnb.~part~abcde", ".setup.vnb.~part~abcdef.old"};
    for (const std::string& name : users)
    {
        folder.write(name, "mine");
    }
    const std::vector<std::string> before = namesIn(folder);
    // What a killed save leaves behind, as the next save finds it.
    folder.write(".setup.vnb.~part~Ab3dE9", "half");
    ASSERT_TRUE(replace(path, "new"));
    EXPECT_EQ("new", fileText(path));
    EXPECT_EQ(before, namesIn(folder));
    for (const std::string& name : users)
    {
        EXPECT_EQ("mine", fileText(folder.pathOf(name))) << name;
    }
}

namespace
{
// Records the calls of a commit that order matters for, in the order made.
class RecordedCalls : public Platform::FileCalls
{
public:
    RecordedCalls() { Platform::FileCalls::use(this); }
    ~RecordedCalls() override { Platform::FileCalls::use(nullptr); }

    int sync(int aDescriptor) override
    {
        struct stat status;
        ::fstat(aDescriptor, &status);
        calls.push_back(S_ISDIR(status.st_mode) ? "sync folder" : "sync file");
        return FileCalls::sync(aDescriptor);
    }
    int rename(int aFolder, const std::string& aFrom, const std::string& aTo) override
    {
        calls.push_back("rename");
        return FileCalls::rename(aFolder, aFrom, aTo);
    }

    std::vector<std::string> calls;
};
}

TEST(FileReplacement, TheFileIsOnTheDiskBeforeTheRenameAndTheFolderAfterIt)
{
    TemporaryFolder folder;
    const std::string path = folder.write("setup.vnb", theOldText);
    RecordedCalls recorded;
    ASSERT_TRUE(replace(path, "new"));
    EXPECT_EQ((std::vector<std::string>{"sync file", "rename", "sync folder"}), recorded.calls);
    EXPECT_EQ("new", fileText(path));
}

TEST(FileReplacement, AFailureKeepsTheSystemsReason)
{
    TemporaryFolder folder;
    const std::string path = folder.write("setup.vnb", theOldText);
    {
        FullDisk full;
        FileReplacement file(path);
        ASSERT_TRUE(file.isOpen());
        file.stream() << "new";
        EXPECT_FALSE(file.commit());
        EXPECT_EQ(ENOSPC, file.error());
    }
    {
        FileSizeLimit limit(100);
        FileReplacement file(path);
        file.stream() << std::string(50000, 'n');
        EXPECT_FALSE(file.commit());
        EXPECT_EQ(EFBIG, file.error());
    }
    FileReplacement missing(folder.pathOf("missing/setup.vnb"));
    EXPECT_FALSE(missing.isOpen());
    EXPECT_EQ(ENOENT, missing.error());
    // No system call failed for a folder in the file's place: it is just not replaced.
    std::filesystem::create_directory(folder.pathOf("folder"));
    EXPECT_EQ(0, FileReplacement(folder.pathOf("folder")).error());
    EXPECT_EQ(theOldText, fileText(path));
    EXPECT_EQ((std::vector<std::string>{"folder", "setup.vnb"}), namesIn(folder));
}

TEST(FileReplacement, ASaveDoesNotWaitForAFolderLockSomeoneElseHolds)
{
    TemporaryFolder folder;
    const std::string path = folder.write("setup.vnb", theOldText);
    // A lock of its own open folder stands for another program's.
    std::optional<Platform::FolderLock> other(std::in_place, folder.path());
    ASSERT_TRUE(other->held());
    std::future<bool> saved = std::async(std::launch::async, [&path]() { return replace(path, "new"); });
    const bool ended = saved.wait_for(std::chrono::seconds(10)) == std::future_status::ready;
    other.reset(); // lets a save that waits end, so that the test does
    EXPECT_TRUE(ended) << "the save waited for the lock";
    EXPECT_TRUE(saved.get());
    EXPECT_EQ("new", fileText(path));
    EXPECT_EQ(std::vector<std::string>{"setup.vnb"}, namesIn(folder));
}

TEST(FileReplacement, AFolderThatMayBeWrittenButNotReadTakesASave)
{
    TemporaryFolder folder;
    const std::string path = folder.write("setup.vnb", theOldText);
    ASSERT_EQ(0, ::chmod(path.c_str(), 0666));
    ASSERT_EQ(0, ::chmod(folder.path().c_str(), 0333));
    // Root may read any folder: the save runs as nobody then.
    const uid_t nobody = 65534;
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0)
    {
        if (::geteuid() == 0 && ::setuid(nobody) != 0)
        {
            ::_exit(2);
        }
        ::_exit(replace(path, "new") ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(child, ::waitpid(child, &status, 0));
    ASSERT_EQ(0, ::chmod(folder.path().c_str(), 0700));
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(0, WEXITSTATUS(status));
    EXPECT_EQ("new", fileText(path));
    EXPECT_EQ(std::vector<std::string>{"setup.vnb"}, namesIn(folder));
}

namespace
{
// Fails to name an unnamed file, as where /proc is not mounted.
class NoProc : public Platform::FileCalls
{
public:
    NoProc() { Platform::FileCalls::use(this); }
    ~NoProc() override { Platform::FileCalls::use(nullptr); }

    int link(int, int, const std::string&) override
    {
        errno = ENOENT;
        return -1;
    }
};
}

TEST(FileReplacement, AFileThatCannotBeNamedIsCopiedToANamedOne)
{
    TemporaryFolder folder;
    const std::string path = folder.write("setup.vnb", theOldText);
    ASSERT_EQ(0, ::chmod(path.c_str(), 0640));
    const std::string text(200000, 'n'); // more than one piece of the copy
    {
        NoProc noProc;
        ASSERT_TRUE(replace(path, text));
    }
    EXPECT_EQ(text, fileText(path));
    EXPECT_EQ(0640u, modeOf(path) & 07777);
    EXPECT_EQ(std::vector<std::string>{"setup.vnb"}, namesIn(folder));
}

TEST(FileReplacement, AChildThatEndsItsInputCommits)
{
    TemporaryFolder folder;
    const std::string path = folder.write("report.txt", theOldText);
    ChildProgram writer(VORNA_FILE_WRITER, {"replace", path});
    std::string answer;
    ASSERT_TRUE(writer.writeLine("first"));
    ASSERT_TRUE(writer.readLine(answer));
    EXPECT_EQ(theOldText, fileText(path)); // nothing shows before the commit
    EXPECT_EQ(0, writer.finish());
    EXPECT_EQ("first\n", fileText(path));
    EXPECT_EQ(std::vector<std::string>{"report.txt"}, namesIn(folder));
}
