#include "Platform/ProfileStore.h"

#include "tests/support/ChildProgram.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

using Platform::ProfileStore;
namespace fs = std::filesystem;

namespace
{
// Points XDG_CONFIG_HOME (and HOME) at a fresh folder and puts them back afterwards.
class ProfileStoreTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        remember("XDG_CONFIG_HOME");
        remember("HOME");
        std::string pattern = (fs::temp_directory_path() / "profile-store-XXXXXX").string();
        std::vector<char> name(pattern.begin(), pattern.end());
        name.push_back('\0');
        ASSERT_NE(::mkdtemp(name.data()), nullptr);
        myFolder = name.data();
        ::setenv("XDG_CONFIG_HOME", myFolder.c_str(), 1);
    }

    void TearDown() override
    {
        for (const auto& saved : mySaved)
        {
            if (saved.second)
                ::setenv(saved.first.c_str(), saved.second->c_str(), 1);
            else
                ::unsetenv(saved.first.c_str());
        }
        std::error_code ignored;
        fs::remove_all(myFolder, ignored);
    }

    void remember(const std::string& aName)
    {
        const char* value = std::getenv(aName.c_str());
        mySaved.emplace_back(aName, value ? std::optional<std::string>(value) : std::nullopt);
    }

    fs::path iniPath(const std::string& aProgram = "Tessiva") const { return fs::path(myFolder) / "Vorna" / (aProgram + ".ini"); }

    void writeFile(const std::string& aText)
    {
        fs::create_directories(iniPath().parent_path());
        std::ofstream(iniPath(), std::ios::binary) << aText;
    }

    std::string readFile() const
    {
        std::ifstream file(iniPath(), std::ios::binary);
        std::ostringstream text;
        text << file.rdbuf();
        return text.str();
    }

    std::string myFolder;
    std::vector<std::pair<std::string, std::optional<std::string>>> mySaved;
};
}

TEST_F(ProfileStoreTest, MissingFileGivesDefaultsAndCreatesNothing)
{
    ProfileStore store("Tessiva");
    EXPECT_EQ(store.filePath(), iniPath().string());
    EXPECT_EQ(store.getInt("Settings", "device address", 0x8280), 0x8280);
    EXPECT_EQ(store.getString("Ports", "COM1", "none"), "none");
    EXPECT_FALSE(fs::exists(fs::path(myFolder) / "Vorna"));
}

TEST_F(ProfileStoreTest, WrittenValuesReadBackInAnyStoreOfTheProgram)
{
    ProfileStore store("Tessiva");
    ASSERT_TRUE(store.writeInt("Settings", "device type", 2));
    ASSERT_TRUE(store.writeString("Ports", "COM1", "/dev/pts/7"));
    ASSERT_TRUE(store.writeInt("Settings", "x1", -40));

    ProfileStore again("Tessiva");
    EXPECT_EQ(again.getInt("Settings", "device type", 0), 2);
    EXPECT_EQ(again.getInt("Settings", "x1", 0), -40);
    EXPECT_EQ(again.getString("Ports", "COM1", ""), "/dev/pts/7");
    EXPECT_EQ(ProfileStore("Pellora").getInt("Settings", "device type", 7), 7);
    EXPECT_EQ(readFile(), "[Settings]\ndevice type=2\nx1=-40\n\n[Ports]\nCOM1=/dev/pts/7\n");

    // Nothing but the file itself is left in the folder.
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(iniPath().parent_path()))
        names.push_back(entry.path().filename().string());
    EXPECT_EQ(names, std::vector<std::string>{"Tessiva.ini"});
}

TEST_F(ProfileStoreTest, RewriteKeepsTheOtherLinesWhereTheyWere)
{
    writeFile("; written by hand\r\n[Settings]\r\nbaud rate=1\r\nnonsense line\r\n\r\n[Other]\r\nkeep=me\r\n");
    ProfileStore store("Tessiva");
    ASSERT_TRUE(store.writeInt("settings", "BAUD RATE", 2)); // names match in any case
    ASSERT_TRUE(store.writeInt("Settings", "port number", 3));
    EXPECT_EQ(readFile(), "; written by hand\r\n[Settings]\r\nBAUD RATE=2\r\nnonsense line\r\nport number=3\r\n\r\n"
                          "[Other]\r\nkeep=me\r\n");
    EXPECT_EQ(store.getInt("SETTINGS", "baud rate", 0), 2);
    EXPECT_EQ(store.getString("Other", "keep", ""), "me");
}

// Line ends converted twice ("\r\r\n"), a last line without its "\n", stray
// carriage returns: every write leaves the lines it does not change as they
// were, and what it writes reads back.
struct CarriageReturnCase
{
    const char* name;
    const char* file;
    const char* section;
    const char* expected; // the file after writing "a=1" into the section
};

class ProfileStoreCarriageReturns : public ProfileStoreTest, public ::testing::WithParamInterface<CarriageReturnCase>
{
};

TEST_P(ProfileStoreCarriageReturns, WrittenValueReadsBackAndOtherLinesStayByteForByte)
{
    const CarriageReturnCase& the = GetParam();
    writeFile(the.file);
    ProfileStore store("Tessiva");
    for (int pass = 0; pass < 3; ++pass) // every rewrite must leave the same file
    {
        ASSERT_TRUE(store.writeInt(the.section, "a", 1));
        EXPECT_EQ(store.getInt(the.section, "a", 0), 1);
        EXPECT_EQ(readFile(), the.expected) << "after write " << pass + 1;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, ProfileStoreCarriageReturns,
    ::testing::Values(
        CarriageReturnCase{"HeaderWithTwoCarriageReturnsAtTheEnd", "[]\n[X]\r\r", "", "[]\n[X]\r\r\na=1\r\n"},
        CarriageReturnCase{"LineEndsConvertedTwice", "[S]\r\r\nb=2\r\r\n\r\r\n[T]\r\r\nc=3\r\r\n", "T",
                           "[S]\r\r\nb=2\r\r\n\r\r\n[T]\r\r\nc=3\r\r\n\r\n[T]\r\na=1\r\n"},
        CarriageReturnCase{"LastLineWithoutNewline", "[S]\nb=2", "S", "[S]\nb=2\na=1\n"},
        CarriageReturnCase{"EntryKeepsItsLineEnd", "[S]\r\na=0\r\nz=9\r\n", "S", "[S]\r\na=1\r\nz=9\r\n"},
        CarriageReturnCase{"NewSectionAfterAStrayCarriageReturn", "k=v\r\r", "New", "k=v\r\r\n\r\n[New]\r\na=1\r\n"}),
    [](const ::testing::TestParamInfo<CarriageReturnCase>& anInfo) { return std::string(anInfo.param.name); });

TEST_F(ProfileStoreTest, MalformedLinesArePassedOver)
{
    writeFile("orphan=1\n[Settings\n=7\n[Settings]\n  flags = 5  \njunk\n\x01\x02\xFF\n;flags=9\nflags\n[]\nempty=\n");
    ProfileStore store("Tessiva");
    EXPECT_EQ(store.getInt("Settings", "flags", 0), 5);
    EXPECT_EQ(store.getInt("", "orphan", 0), 0);
    EXPECT_EQ(store.getString("", "empty", "default"), "");
    EXPECT_EQ(store.getInt("", "empty", 4), 4);
}

TEST_F(ProfileStoreTest, LaterDuplicateWins)
{
    writeFile("[Settings]\nx1=1\n[Settings]\nx1=2\n");
    ProfileStore store("Tessiva");
    EXPECT_EQ(store.getInt("Settings", "x1", 0), 2);
    ASSERT_TRUE(store.writeInt("Settings", "x1", 3));
    EXPECT_EQ(readFile(), "[Settings]\nx1=1\n[Settings]\nx1=3\n");
}

TEST_F(ProfileStoreTest, OnlyWholeIntegersAreIntegers)
{
    const std::pair<const char*, int> cases[] = {
        {"42", 42},         {"-5", -5},           {"+6", 6},         {"0x8280", 0x8280}, {"-0x10", -16},
        {"2147483647", 2147483647}, {"2147483648", -1}, {"12abc", -1},  {"abc", -1},        {"0x", -1},
        {"1.5", -1},        {"", -1},             {"- 5", -1},
    };
    ProfileStore store("Tessiva");
    for (const auto& aCase : cases)
    {
        ASSERT_TRUE(store.writeString("Settings", "value", aCase.first));
        EXPECT_EQ(store.getInt("Settings", "value", -1), aCase.second) << '"' << aCase.first << '"';
    }
}

TEST_F(ProfileStoreTest, AwkwardNamesAndValuesSurviveTheFile)
{
    const std::string texts[] = {"",        " leading",  "trailing\t", "trailing ", " both ends ", "a=b",
                                 "back\\slash", "C:\\x41", "two\nlines", "cr\r", "[x]", ";comment", "#hash",
                                 "caf\xC3\xA9"};
    ProfileStore store("Tessiva");
    for (const std::string& text : texts)
    {
        ASSERT_TRUE(store.writeString("Settings", "value", text));
        EXPECT_EQ(store.getString("Settings", "value", "default"), text);
        if (text.empty())
            continue;
        ASSERT_TRUE(store.writeString("Section " + text, text, "v"));
        EXPECT_EQ(store.getString("Section " + text, text, "default"), "v") << text;
    }
    EXPECT_EQ(store.getString("Settings", "value", ""), "caf\xC3\xA9");
}

TEST_F(ProfileStoreTest, HandWrittenBackslashesReadAsWritten)
{
    writeFile("[Ports]\nCOM2=C:\\dev\\x\\ttyUSB0\n");
    EXPECT_EQ(ProfileStore("Tessiva").getString("Ports", "COM2", ""), "C:\\dev\\x\\ttyUSB0");
}

TEST_F(ProfileStoreTest, UnreadableFileReadsAsEmptyAndIsNotOverwritten)
{
    fs::create_directories(iniPath()); // a folder where the file should be
    fs::path inside = iniPath() / "keep";
    std::ofstream(inside) << "data";
    ProfileStore store("Tessiva");
    EXPECT_EQ(store.getInt("Settings", "flags", 9), 9);
    EXPECT_FALSE(store.writeInt("Settings", "flags", 1));
    EXPECT_EQ(EISDIR, store.lastError());
    EXPECT_TRUE(fs::exists(inside));
}

TEST_F(ProfileStoreTest, UnwritableFolderFailsTheWriteOnly)
{
    std::ofstream(fs::path(myFolder) / "file") << "x";
    ::setenv("XDG_CONFIG_HOME", (fs::path(myFolder) / "file").c_str(), 1);
    ProfileStore store("Tessiva");
    EXPECT_FALSE(store.writeInt("Settings", "flags", 1));
    EXPECT_NE(0, store.lastError());
    EXPECT_EQ(store.getInt("Settings", "flags", 3), 3);
    EXPECT_FALSE(store.writeString("Settings", "", "no name"));
}

TEST_F(ProfileStoreTest, HomeConfigFolderWhenNoneIsSet)
{
    for (const char* setting : {static_cast<const char*>(nullptr), "", "relative/path"})
    {
        if (setting)
            ::setenv("XDG_CONFIG_HOME", setting, 1);
        else
            ::unsetenv("XDG_CONFIG_HOME");
        ::setenv("HOME", myFolder.c_str(), 1);
        EXPECT_EQ(ProfileStore("Pellora").filePath(), (fs::path(myFolder) / ".config" / "Vorna" / "Pellora.ini").string());
    }
    ProfileStore store("Pellora");
    ASSERT_TRUE(store.writeInt("Settings", "BaudRate", 19200));
    EXPECT_TRUE(fs::exists(fs::path(myFolder) / ".config" / "Vorna" / "Pellora.ini"));
}

TEST_F(ProfileStoreTest, TwoProgramsWritingAtOnceLoseNothing)
{
    const int writes = 200;
    {
        ChildProgram first(VORNA_FILE_WRITER, {"settings", "Tessiva", "first", std::to_string(writes)});
        ChildProgram second(VORNA_FILE_WRITER, {"settings", "Tessiva", "second", std::to_string(writes)});
        std::string answer;
        ASSERT_TRUE(first.readLine(answer, 60000));
        EXPECT_EQ("failures 0", answer);
        ASSERT_TRUE(second.readLine(answer, 60000));
        EXPECT_EQ("failures 0", answer);
        EXPECT_EQ(0, first.finish());
        EXPECT_EQ(0, second.finish());
    }
    ProfileStore store("Tessiva");
    int lost = 0;
    for (const char* prefix : {"first", "second"})
    {
        for (int i = 0; i < writes; ++i)
        {
            lost += store.getInt("Race", prefix + std::to_string(i), -1) == i ? 0 : 1;
        }
    }
    EXPECT_EQ(0, lost);
}

TEST_F(ProfileStoreTest, EntriesWrittenTogetherAreNeverMixedWithAnotherProgramsOnes)
{
    {
        ChildProgram first(VORNA_FILE_WRITER, {"group", "Tessiva", "first", "100"});
        ChildProgram second(VORNA_FILE_WRITER, {"group", "Tessiva", "second", "100"});
        EXPECT_EQ(0, first.finish());
        EXPECT_EQ(0, second.finish());
    }
    ProfileStore store("Tessiva");
    const std::string a = store.getString("Group", "a", "");
    EXPECT_TRUE(a == "first" || a == "second") << a;
    EXPECT_EQ(a, store.getString("Group", "b", ""));
    EXPECT_EQ(a, store.getString("Group", "c", ""));
}

TEST_F(ProfileStoreTest, EntriesWrittenTogetherGoInOneWriteOrNotAtAll)
{
    writeFile("[Place]\r\nx1=1\r\n");
    ProfileStore store("Tessiva");
    ASSERT_TRUE(store.writeStrings("Place", {{"x1", "5"}, {"y1", "6"}, {"x1", "7"}}));
    EXPECT_EQ("[Place]\r\nx1=7\r\ny1=6\r\n", readFile());
    EXPECT_FALSE(store.writeStrings("Place", {{"x2", "8"}, {"", "9"}}));
    EXPECT_EQ("[Place]\r\nx1=7\r\ny1=6\r\n", readFile());
}

TEST_F(ProfileStoreTest, EntriesOfSeveralSectionsGoInOneWriteOrNotAtAll)
{
    writeFile("[Settings]\nflags=1\n");
    ProfileStore store("Tessiva");
    ASSERT_TRUE(store.write({{"Settings", "flags", "2"}, {"Place", "x1", "3"}}));
    EXPECT_EQ(0, store.lastError());
    EXPECT_EQ("[Settings]\nflags=2\n\n[Place]\nx1=3\n", readFile());
    EXPECT_FALSE(store.write({{"Settings", "flags", "4"}, {"Place", "", "5"}}));
    EXPECT_EQ("[Settings]\nflags=2\n\n[Place]\nx1=3\n", readFile());
}

TEST_F(ProfileStoreTest, UpdatesOfTwoProgramsAtOnceSeeEachOthersWrites)
{
    // Each child adds one to the same counter many times: a read outside the lock would lose some.
    const int count = 200;
    ChildProgram first(VORNA_FILE_WRITER, {"count", "Tessiva", std::to_string(count)});
    ChildProgram second(VORNA_FILE_WRITER, {"count", "Tessiva", std::to_string(count)});
    EXPECT_EQ(0, first.finish());
    EXPECT_EQ(0, second.finish());
    EXPECT_EQ(2 * count, ProfileStore("Tessiva").getInt("Count", "n", 0));
}

TEST_F(ProfileStoreTest, ASettingsFileThatIsALinkStaysALink)
{
    const fs::path real = fs::path(myFolder) / "elsewhere" / "mine.ini";
    fs::create_directories(real.parent_path());
    std::ofstream(real, std::ios::binary) << "; mine\n[Settings]\nflags=1\n";
    fs::create_directories(iniPath().parent_path());
    fs::create_symlink("../elsewhere/mine.ini", iniPath());

    ProfileStore store("Tessiva");
    ASSERT_TRUE(store.writeInt("Settings", "flags", 2));
    EXPECT_TRUE(fs::is_symlink(iniPath()));
    std::ifstream file(real, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    EXPECT_EQ("; mine\n[Settings]\nflags=2\n", text.str());
    EXPECT_EQ(2, store.getInt("Settings", "flags", 0));
}

TEST_F(ProfileStoreTest, TheNextWriteRemovesWhatAKilledWriteLeft)
{
    writeFile("[Settings]\nflags=1\n");
    const fs::path folder = iniPath().parent_path();
    // A killed write's temporary file, and files of other names that stay.
    std::ofstream(folder / ".Tessiva.ini.~part~a1B2c3") << "[Settings]\nflags=half";
    std::ofstream(folder / ".Pellora.ini.~part~a1B2c3") << "other program";
    std::ofstream(folder / "Tessiva.ini.bak") << "backup";

    ASSERT_TRUE(ProfileStore("Tessiva").writeInt("Settings", "flags", 2));
    EXPECT_EQ("[Settings]\nflags=2\n", readFile());
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ((std::vector<std::string>{".Pellora.ini.~part~a1B2c3", "Tessiva.ini", "Tessiva.ini.bak"}),
              names);
}
