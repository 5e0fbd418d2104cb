#include "Pellora/Engine/CancelException.h"
#include "Pellora/Engine/Interpreter.h"
#include "Pellora/Engine/InterpreterError.h"
#include "Pellora/Language/ComparisonOperator.h"
#include "Pellora/Language/NoOpNode.h"
#include "Pellora/Language/ParseError.h"
#include "Pellora/Language/ParseNode.h"
#include "Toolkit/Link/SerialDevice.h"
#include "tests/Pellora/FakeSerialLine.h"
#include "tests/Pellora/ScriptedOperator.h"
#include "tests/Pellora/SteppingClock.h"
#include "tests/support/TemporaryFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

using testing::ElementsAre;
using testing::IsEmpty;

namespace
{
class InterpreterTest : public testing::Test
{
protected:
    InterpreterTest()
        : myDevice(&myLine)
        , myClock(std::chrono::milliseconds(200))
        , myInterpreter(&myOperator, &myDevice, 0x8280, Interpreter::DefaultQueryKeyword, &myClock)
    {
    }

    bool run(const std::string& aScript)
    {
        return myInterpreter.runScript(myFolder.write("script.prx", aScript));
    }

    TemporaryFolder myFolder;
    FakeSerialLine myLine;
    SerialDevice myDevice;
    ScriptedOperator myOperator;
    SteppingClock myClock;
    Interpreter myInterpreter;
};

TEST_F(InterpreterTest, SetsTheReadTimeoutOfTheLineAtOnce)
{
    EXPECT_EQ(200u, myLine.timeout());
}

TEST_F(InterpreterTest, EmptyScriptRunsAndSendsNothing)
{
    EXPECT_TRUE(run(""));
    EXPECT_THAT(myLine.writes(), IsEmpty());
}

TEST_F(InterpreterTest, ScriptThatCannotBeOpenedRunsNothing)
{
    EXPECT_FALSE(myInterpreter.runScript(myFolder.pathOf("missing.prx")));
    EXPECT_FALSE(myInterpreter.runScript(myFolder.path()));
    EXPECT_THAT(myOperator.events(), IsEmpty());
}

TEST_F(InterpreterTest, AFifoIsNoScriptAndDoesNotBlock)
{
    const std::string fifo = myFolder.pathOf("fifo.prx");
    ASSERT_EQ(0, ::mkfifo(fifo.c_str(), 0600));
    EXPECT_FALSE(myInterpreter.runScript(fifo));
    EXPECT_FALSE(myInterpreter.runScript("/dev/null"));
    EXPECT_THAT(myOperator.events(), IsEmpty());
    EXPECT_THAT(myLine.writes(), IsEmpty());
}

TEST_F(InterpreterTest, MalformedScriptSendsNothingAndShowsNothing)
{
    try
    {
        run("print(\"a\");\nreset;\ndialog(\"b\")\n");
        FAIL() << "the script parsed";
    }
    catch (const ParseError& anError)
    {
        EXPECT_STREQ("parse error on line 4\n", anError.what());
    }
    EXPECT_THAT(myLine.writes(), IsEmpty());
    EXPECT_THAT(myOperator.events(), IsEmpty());
}

TEST_F(InterpreterTest, MalformedScriptIsClosed)
{
    const auto openFiles = [] {
        return std::distance(std::filesystem::directory_iterator("/proc/self/fd"), std::filesystem::directory_iterator());
    };
    const std::string path = myFolder.write("bad.prx", "reset");
    const auto before = openFiles();
    EXPECT_THROW(static_cast<void>(myInterpreter.runScript(path)), ParseError);
    EXPECT_EQ(before, openFiles());
}

TEST_F(InterpreterTest, ResetWaitsForTheUnitsOkThenSendsItsLine)
{
    myLine.answer("ok");
    run("reset;\n");
    EXPECT_THAT(myLine.writes(), ElementsAre("S0DONE\n"));
    EXPECT_EQ(0u, myLine.pending());
}

TEST_F(InterpreterTest, ResetDownloadWithoutOkSendsNothing)
{
    try
    {
        run("reset_download;");
        FAIL() << "no error";
    }
    catch (const InterpreterError& anError)
    {
        EXPECT_STREQ("no status response from the device", anError.what());
    }
    EXPECT_THAT(myLine.writes(), IsEmpty());
}

TEST_F(InterpreterTest, WithoutTheProtocolTextsGoOutAtOnce)
{
    run("protocol = false; reset; reset_download;");
    EXPECT_THAT(myLine.writes(), ElementsAre("S0DONE\n", "S0DNLD\n"));
    EXPECT_EQ(0u, myLine.readCount());
}

TEST_F(InterpreterTest, ProtocolSettingHoldsFromItsStatementOn)
{
    myLine.answer("ok");
    run("reset; protocol = false; reset; protocol = true; protocol = false; reset_download;");
    EXPECT_THAT(myLine.writes(), ElementsAre("S0DONE\n", "S0DONE\n", "S0DNLD\n"));
    EXPECT_EQ(0u, myLine.pending());
}

TEST_F(InterpreterTest, EveryRunStartsWithTheInitialSettings)
{
    run("protocol = false; query_keyword = 16;");
    EXPECT_EQ(16, myInterpreter.queryKeyword());
    myLine.answer("ok");
    run("reset;");
    EXPECT_EQ(Interpreter::DefaultQueryKeyword, myInterpreter.queryKeyword());
    EXPECT_EQ(0u, myLine.pending()) << "the second run did not wait for the unit";
}

struct KeywordCase
{
    const char* written;
    int keyword;
};

class QueryKeyword : public InterpreterTest, public testing::WithParamInterface<KeywordCase>
{
};

TEST_P(QueryKeyword, KeepsTheLowByte)
{
    run(std::string("query_keyword = ") + GetParam().written + ";");
    EXPECT_EQ(GetParam().keyword, myInterpreter.queryKeyword());
}

INSTANTIATE_TEST_SUITE_P(Values, QueryKeyword,
                         testing::Values(KeywordCase{"16", 16}, KeywordCase{"300", 44}, KeywordCase{"255", -1},
                                         KeywordCase{"248", -8}, KeywordCase{"256", 0}, KeywordCase{"0x12", 0x12},
                                         KeywordCase{"0X19", 0x19}, KeywordCase{"0x300", 0},
                                         KeywordCase{"4294967340", 44}));

struct AnswerCase
{
    std::vector<bool> answers;
    std::vector<std::string> expected;
};

class Questions : public InterpreterTest, public testing::WithParamInterface<std::tuple<const char*, AnswerCase>>
{
};

TEST_P(Questions, FollowTheOperatorsAnswers)
{
    for (const bool answer : std::get<1>(GetParam()).answers)
    {
        myOperator.answer({answer});
    }
    run(std::get<0>(GetParam()));
    EXPECT_EQ(std::get<1>(GetParam()).expected, myOperator.messages());
    EXPECT_EQ(std::get<1>(GetParam()).answers.size(), myOperator.questions().size());
}

const char* const ifElse = "if (ask(\"Continue?\")) dialog(\"Yes\"); else dialog(\"No\");";
const char* const negated = "if (!ask(\"Continue?\")) dialog(\"Stopped\");";
// The else belongs to the nearest if.
const char* const dangling = "if (ask(\"a\")) if (ask(\"b\")) dialog(\"1\"); else dialog(\"2\");";
// An if whose condition fails is false, so an outer else runs on a failed inner one.
const char* const nested = "if (ask(\"a\")) { if (ask(\"b\")) dialog(\"1\"); } else dialog(\"2\");";

INSTANTIATE_TEST_SUITE_P(
    Scripts, Questions,
    testing::Values(std::make_tuple(ifElse, AnswerCase{{true}, {"Yes"}}),
                    std::make_tuple(ifElse, AnswerCase{{false}, {"No"}}),
                    std::make_tuple(negated, AnswerCase{{false}, {"Stopped"}}),
                    std::make_tuple(negated, AnswerCase{{true}, {}}),
                    std::make_tuple(dangling, AnswerCase{{false}, {}}),
                    std::make_tuple(dangling, AnswerCase{{true, false}, {"2"}}),
                    std::make_tuple(dangling, AnswerCase{{true, true}, {"1"}}),
                    std::make_tuple(nested, AnswerCase{{false}, {"2"}}),
                    std::make_tuple(nested, AnswerCase{{true, true}, {"1"}})));

TEST_F(InterpreterTest, StatementsRunInOrderAndReleaseTheirWindowObjects)
{
    myOperator.answer({true});
    run("print(\"one\");\ndialog(\"two\");\nif (ask(\"three?\")) { print(\"four\"); }\n");
    EXPECT_THAT(myOperator.events(),
                ElementsAre("messages:", "messages:one", "show:two", "ask:three?", "messages:", "messages:four"));
    EXPECT_EQ(0, myOperator.liveObjects());
}

TEST_F(InterpreterTest, PrintAfterADownloadWritesTheMessagesField)
{
    const std::string file = myFolder.write("a.s19", "S00600004844521B\nS9030000FC\n");
    myLine.answer("okok");
    run("download_files(\"" + file + "\"); print(\"done\");");
    EXPECT_THAT(myOperator.currentFileField(), ElementsAre("", file, ""));
    EXPECT_THAT(myOperator.messagesField(), ElementsAre("", "done"));
    EXPECT_THAT(myLine.writes(), ElementsAre("S00600004844521B\n", "S9030000FC\n"));
    EXPECT_EQ(0, myOperator.liveObjects());
}

TEST_F(InterpreterTest, NegatedFileListDownloadsAllTheSame)
{
    const std::string a = myFolder.write("a.s19", "S1\n");
    const std::string b = myFolder.write("b.s19", "S2\n");
    myLine.answer("okokokok");
    run("!download_files(\"" + a + "\", \"" + b + "\");");
    EXPECT_THAT(myLine.writes(), ElementsAre("S1\n", "S2\n"));
}

TEST_F(InterpreterTest, MissingFileStopsTheRun)
{
    myLine.answer("okok");
    try
    {
        run("download_files(\"" + myFolder.pathOf("gone.s19") + "\"); print(\"after\");");
        FAIL() << "no error";
    }
    catch (const InterpreterError& anError)
    {
        EXPECT_EQ("Error opening " + myFolder.pathOf("gone.s19") + ": No such file or directory", anError.what());
    }
    EXPECT_THAT(myLine.writes(), IsEmpty());
    EXPECT_THAT(myOperator.messagesField(), IsEmpty());
}

// Runs with another folder as the working folder while it lives.
class WorkingFolder
{
public:
    explicit WorkingFolder(const std::string& aPath) : myPrevious(std::filesystem::current_path())
    {
        std::filesystem::current_path(aPath);
    }
    ~WorkingFolder() { std::filesystem::current_path(myPrevious); }

private:
    std::filesystem::path myPrevious;
};

TEST_F(InterpreterTest, RelativeFileNamesAreTakenBesideTheScript)
{
    const std::string boot = myFolder.write("boot.s19", "S1boot\n");
    std::filesystem::create_directory(myFolder.pathOf("fw"));
    myFolder.write("fw/app.s19", "S1app\n");
    TemporaryFolder elsewhere;
    const std::string absolute = elsewhere.write("abs.s19", "S1abs\n");
    // The working folder holds files of the same names that must not be taken.
    elsewhere.write("boot.s19", "S1wrong\n");
    WorkingFolder working(elsewhere.path());

    myLine.answer("okokokokokok");
    run("download_files(\"boot.s19\", \"fw/app.s19\", \"" + absolute + "\");");
    EXPECT_THAT(myLine.writes(), ElementsAre("S1boot\n", "S1app\n", "S1abs\n"));
    // The field shows the names as the script gives them.
    EXPECT_THAT(myOperator.currentFileField(),
                ElementsAre("", "boot.s19", "", "", "fw/app.s19", "", "", absolute, ""));
    EXPECT_EQ(myFolder.pathOf("fw/app.s19"), myInterpreter.pathOf("fw/app.s19"));
    EXPECT_EQ(absolute, myInterpreter.pathOf(absolute));

    // A relative script path is taken from the working folder once, at the start.
    const std::string relative = std::filesystem::relative(myFolder.write("again.prx",
        "download_files(\"gone.s19\");"), elsewhere.path()).string();
    myLine.answer("okok");
    try
    {
        static_cast<void>(myInterpreter.runScript(relative));
        FAIL() << "no error";
    }
    catch (const InterpreterError& anError)
    {
        EXPECT_EQ("Error opening " + myFolder.pathOf("gone.s19") + ": No such file or directory",
                  std::string(anError.what()));
    }
}

TEST_F(InterpreterTest, StopEndsTheRunBetweenStatements)
{
    myLine.answer("okok");
    myOperator.stopAtCheck(2);
    EXPECT_THROW(run("reset; reset_download; print(\"after\");"), Win32Implementation::CancelException);
    EXPECT_THAT(myLine.writes(), ElementsAre("S0DONE\n"));
    EXPECT_THAT(myOperator.messagesField(), IsEmpty());
}

struct LiteralCase
{
    const char* condition;
    bool holds;
};

class LiteralComparisons : public InterpreterTest, public testing::WithParamInterface<LiteralCase>
{
};

TEST_P(LiteralComparisons, CompareAsTexts)
{
    run(std::string("if (") + GetParam().condition + ") print(\"yes\"); else print(\"no\");");
    EXPECT_EQ(GetParam().holds ? "yes" : "no", myOperator.messagesField().back());
}

INSTANTIATE_TEST_SUITE_P(
    Conditions, LiteralComparisons,
    testing::Values(LiteralCase{"1.10 >= 1.9", false}, LiteralCase{"1.9 > 1.10", true},
                    LiteralCase{"1.03 == 1.03", true}, LiteralCase{"1.03 != 1.030", true},
                    LiteralCase{"1.0 < 1.00", true}, LiteralCase{"1.0 <= 1.0", true}, LiteralCase{"2. <= 1.9", false},
                    LiteralCase{"\"KQ330\" == \"kq330\"", true}, LiteralCase{"\"KQ330\" != \"kq330\"", false},
                    LiteralCase{"\"KQ330\" == \"KQ350\"", false}, LiteralCase{"\"\" == \"\"", true}));

struct OrderCase
{
    const char* left;
    const char* right;
    int sign;
};

class TextOrder : public testing::TestWithParam<OrderCase>
{
};

int sign(int aValue)
{
    return (aValue > 0) - (aValue < 0);
}

TEST_P(TextOrder, IgnoresCaseAndPutsLettersFirst)
{
    EXPECT_EQ(GetParam().sign, sign(ComparisonOperator::compare(GetParam().left, GetParam().right)));
    EXPECT_EQ(-GetParam().sign, sign(ComparisonOperator::compare(GetParam().right, GetParam().left)));
}

INSTANTIATE_TEST_SUITE_P(Pairs, TextOrder,
                         testing::Values(OrderCase{"", "", 0}, OrderCase{"abc", "ABC", 0}, OrderCase{"a", "b", -1},
                                         OrderCase{"B", "a", 1}, OrderCase{"A", "1", -1}, OrderCase{"z", "0", -1},
                                         OrderCase{"Kq", "K.", -1}, OrderCase{"1.10", "1.9", -1},
                                         OrderCase{"abc", "abcd", -1}, OrderCase{"", "a", -1},
                                         OrderCase{"abd", "abcd", 1}));

TEST(ComparisonOperator, EachKindReadsTheOrder)
{
    struct Row
    {
        ComparisonOperator::Kind kind;
        bool less, equal, greater;
    };
    const Row rows[] = {
        {ComparisonOperator::Equal, false, true, false},        {ComparisonOperator::NotEqual, true, false, true},
        {ComparisonOperator::LessOrEqual, true, true, false},   {ComparisonOperator::GreaterOrEqual, false, true, true},
        {ComparisonOperator::Greater, false, false, true},      {ComparisonOperator::Less, true, false, false},
    };
    for (const Row& row : rows)
    {
        const ComparisonOperator relation(row.kind);
        EXPECT_EQ(row.less, relation.apply("1.0", "1.1")) << row.kind;
        EXPECT_EQ(row.equal, relation.apply("v1.A", "V1.a")) << row.kind;
        EXPECT_EQ(row.greater, relation.apply("1.1", "1.0")) << row.kind;
    }
}

TEST(InterpreterDeathTest, NeedsAFactoryAndADevice)
{
    FakeSerialLine line;
    SerialDevice device(&line);
    ScriptedOperator anOperator;
    EXPECT_DEATH(Interpreter(nullptr, &device, 0x8280), "aFactory != NULL && aDevice != NULL");
    EXPECT_DEATH(Interpreter(&anOperator, nullptr, 0x8280), "aFactory != NULL && aDevice != NULL");
}

TEST(NodeDeathTest, SequenceNeedsBothChildren)
{
    EXPECT_DEATH(ParseNode(std::make_unique<NoOpNode>(), nullptr), "aLeftChild != NULL && aRightChild != NULL");
}
}
