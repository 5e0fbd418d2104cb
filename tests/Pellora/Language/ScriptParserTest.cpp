#include "Pellora/Language/ParseError.h"
#include "Pellora/Language/ScriptParser.h"
#include "tests/support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>

namespace
{
// The script's text as a file, rewound.
std::unique_ptr<std::FILE, int (*)(std::FILE*)> scriptFile(const std::string& aText)
{
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::tmpfile(), &std::fclose);
    if (file)
    {
        std::fwrite(aText.data(), 1, aText.size(), file.get());
        std::rewind(file.get());
    }
    return file;
}

// "" when the script parses, else the error's text.
std::string parseMessage(const std::string& aText)
{
    const auto file = scriptFile(aText);
    if (!file)
    {
        return "no temporary file";
    }
    try
    {
        const std::unique_ptr<Node> tree = ScriptParser::parse(file.get());
        return tree ? "" : "no tree";
    }
    catch (const ParseError& anError)
    {
        return anError.what();
    }
}

std::string repeat(const std::string& aText, int aCount)
{
    std::string text;
    for (int i = 0; i < aCount; ++i)
    {
        text += aText;
    }
    return text;
}

const std::string ok;

std::string errorOnLine(int aLine)
{
    return "parse error on line " + std::to_string(aLine) + "\n";
}

struct ScriptCase
{
    const char* name;
    std::string script;
    std::string expected;
};

void PrintTo(const ScriptCase& aCase, std::ostream* aStream)
{
    *aStream << aCase.name;
}

class ScriptSyntax : public testing::TestWithParam<ScriptCase>
{
};

TEST_P(ScriptSyntax, ParsesOrReportsTheLine)
{
    EXPECT_EQ(GetParam().expected, parseMessage(GetParam().script));
}

const std::string longText(255, 'x');
const int lineBound = 64 * 1024;
// A comment line of exactly aLength characters, newline not counted.
std::string commentLine(int aLength)
{
    return "//" + std::string(static_cast<std::size_t>(aLength - 2), 'x') + "\n";
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, ScriptSyntax,
    testing::Values(
        ScriptCase{"Empty", "", ok},
        ScriptCase{"OnlyBlanksAndComments", " \t\n// a comment\n\n", ok},
        ScriptCase{"SimpleStatements", "download_mode;\nreset;\nreset_download;\n", ok},
        ScriptCase{"Settings", "query_keyword = 16; protocol = false; protocol = true;", ok},
        ScriptCase{"HexKeyword", "query_keyword = 0x12;", ok},
        ScriptCase{"BaudRates", "baud_rates(9600, 19200, 38400);", ok},
        ScriptCase{"Calls", "dialog(\"Hello\"); print(\"\");", ok},
        ScriptCase{"FileLists", "download_files(\"a.s19\", \"b.s19\"); !download_files(\"c.s19\");", ok},
        ScriptCase{"VersionWithoutBlanks", "if(version>=1.03)reset;", ok},
        ScriptCase{"RealWithoutFraction", "if (version == 1.) reset; else {}", ok},
        ScriptCase{"EveryRelation",
                   "if (version <= 1.0) {} if (version >= 1.0) {} if (version > 1.0) {}"
                   "if (version < 1.0) {} if (version == 1.0) {} if (version != 1.0) {} if (2.0 < version) {}",
                   ok},
        ScriptCase{"TextEqualities", "if (device == \"KQ330\") {} if (\"a\" != device) {} if (device == device) {}", ok},
        ScriptCase{"Questions", "if (ask(\"Go?\")) reset; if (!ask(\"Stop?\")) reset;", ok},
        ScriptCase{"NestedIfElse", "if (ask(\"a\")) if (ask(\"b\")) reset; else reset_download;", ok},
        ScriptCase{"Blocks", "{} { { reset; } reset; }", ok},
        ScriptCase{"WindowsLineEnds", "reset;\r\n// comment\r\nreset;\r\n", ok},
        ScriptCase{"LongestString", "print(\"" + longText + "\");", ok},
        ScriptCase{"LongestReal", "if (version < 1." + std::string(253, '0') + ") {}", ok},
        ScriptCase{"MissingSemicolonAtEnd", "reset", errorOnLine(1)},
        ScriptCase{"ErrorAtEndCountsTheLastNewline", "reset;\nreset\n", errorOnLine(3)},
        ScriptCase{"UnclosedBlock", "reset;\n{ reset;\n", errorOnLine(3)},
        ScriptCase{"CapitalKeyword", "reset;\nVersion;\n", errorOnLine(2)},
        ScriptCase{"KeywordNeedsNoBoundary", "reset;\n\nif (versions >= 1.0) {}\n", errorOnLine(3)},
        ScriptCase{"CommentWithoutNewlineAtEnd", "reset; // no newline", errorOnLine(1)},
        ScriptCase{"CommentLinesCount", "// one\n// two\nreset\n;;", errorOnLine(4)},
        ScriptCase{"UnterminatedString", "print(\"open);\n", errorOnLine(1)},
        ScriptCase{"StringAcrossLines", "reset;\nprint(\"two\nlines\");", errorOnLine(2)},
        ScriptCase{"NegativeInteger", "query_keyword = -8;", errorOnLine(1)},
        ScriptCase{"HexLettersEndTheToken", "query_keyword = 0xff;", errorOnLine(1)},
        ScriptCase{"RealBeginningWithPoint", "if (.5 < version) {}", errorOnLine(1)},
        ScriptCase{"VersionAgainstString", "if (version == \"1.0\") {}", errorOnLine(1)},
        ScriptCase{"DeviceWithRelation", "if (device >= \"A\") {}", errorOnLine(1)},
        ScriptCase{"EmptyStatement", "reset;;", errorOnLine(1)},
        ScriptCase{"ElseWithoutIf", "else reset;", errorOnLine(1)},
        ScriptCase{"EmptyFileList", "download_files();", errorOnLine(1)},
        ScriptCase{"TrailingComma", "download_files(\"a\",);", errorOnLine(1)},
        ScriptCase{"EmptyBaudRates", "baud_rates();", errorOnLine(1)},
        ScriptCase{"ProtocolNumber", "protocol = 1;", errorOnLine(1)},
        ScriptCase{"NegatedComparison", "if (!version < 1.0) {}", errorOnLine(1)},
        ScriptCase{"LoneCarriageReturn", "reset;\rreset;", errorOnLine(1)},
        ScriptCase{"CarriageReturnAtEnd", "reset;\n\r", errorOnLine(2)},
        ScriptCase{"NulByte", std::string("reset;\n\0reset;\n", 15), errorOnLine(2)},
        ScriptCase{"NulByteAtEnd", std::string("reset;\0", 7), errorOnLine(1)},
        ScriptCase{"NulByteInComment", std::string("// a\0b\nreset;", 13), errorOnLine(1)},
        ScriptCase{"NulByteInString", std::string("print(\"a\0b\");", 13), errorOnLine(1)},
        ScriptCase{"HighByte", "reset;\n\x80;", errorOnLine(2)},
        ScriptCase{"StringTooLong", "reset;\nprint(\"" + longText + "x\");", errorOnLine(2)},
        ScriptCase{"RealTooLong", "if (version < 1." + std::string(254, '0') + ") {}", errorOnLine(1)},
        ScriptCase{"LineAtTheBound", "reset;\n" + commentLine(lineBound) + "reset;", ok},
        ScriptCase{"WindowsLineAtTheBound", "reset;\r\n" + commentLine(lineBound) + "reset;", ok},
        ScriptCase{"CommentLineOverTheBound", "reset;\n" + commentLine(lineBound + 1) + "reset;", errorOnLine(2)},
        ScriptCase{"BlankLineOverTheBound", "reset;\n\n" + std::string(lineBound + 1, ' ') + "\nreset;",
                   errorOnLine(3)}));

TEST(ScriptParser, LineOverTheBoundEndsTheReadingThere)
{
    // The rest of a huge line is never read, so neither its size nor the
    // scanner's handling of a long token can hold the program up.
    const auto file = scriptFile("reset;\nprint(\"" + std::string(10 * 1024 * 1024, 'x') + "\");\n");
    ASSERT_TRUE(file);
    try
    {
        ScriptParser::parse(file.get());
        FAIL() << "parsed";
    }
    catch (const ParseError& anError)
    {
        EXPECT_EQ(errorOnLine(2), anError.what());
    }
    EXPECT_LT(std::ftell(file.get()), 1024L * 1024L);
}

TEST(ScriptParser, EmptyScriptGivesATree)
{
    const auto file = scriptFile("");
    ASSERT_TRUE(file);
    EXPECT_NE(nullptr, ScriptParser::parse(file.get()));
}

TEST(ScriptParser, StackGrowsBeyondItsFirstSizeForDeepNesting)
{
    EXPECT_EQ(ok, parseMessage(repeat("{", 5000) + "reset;" + repeat("}", 5000)));
}

TEST(ScriptParser, NestingBeyondTheStackLimitIsAnOverflowOnItsLine)
{
    EXPECT_EQ("parser stack overflow on line 2\n", parseMessage("reset;\n" + repeat("{", 10000) + "\n"));
}

TEST(ScriptParser, EachScriptCountsItsOwnLinesFromOne)
{
    const std::string script = "reset;\nreset;\nreset reset;\nreset;";
    EXPECT_EQ(errorOnLine(3), parseMessage(script));
    EXPECT_EQ(errorOnLine(3), parseMessage(script));
}

TEST(ScriptParser, ScriptAfterAFailedOneStartsFromItsOwnBeginning)
{
    // The failed script stops in the middle of its text; none of the rest may
    // reach the next script.
    EXPECT_EQ(errorOnLine(1), parseMessage("reset reset; reset; reset;" + repeat("\nreset;", 5000)));
    EXPECT_EQ(ok, parseMessage("reset;"));
}

TEST(ScriptParser, UnreadableScriptIsTheScannersInputFault)
{
    // A folder opens as a stream but every read of it fails.
    TemporaryFolder folder;
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(folder.path().c_str(), "r"), &std::fclose);
    if (!file)
    {
        GTEST_SKIP() << "folders cannot be opened as streams here";
    }
    try
    {
        ScriptParser::parse(file.get());
        FAIL() << "an unreadable script parsed";
    }
    catch (const ParseError& anError)
    {
        EXPECT_STREQ("input in flex scanner failed on line 1\n", anError.what());
    }
}

TEST(ScriptParserDeathTest, NeedsAFile)
{
    EXPECT_DEATH(ScriptParser::parse(nullptr), "aFile != NULL");
}
}
