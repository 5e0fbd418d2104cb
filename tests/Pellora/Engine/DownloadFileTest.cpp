#include "Pellora/Engine/CancelChecker.h"
#include "Pellora/Engine/CancelException.h"
#include "Pellora/Engine/DownloadFile.h"
#include "Pellora/Engine/ExitException.h"
#include "Pellora/Engine/InterpreterError.h"
#include "Pellora/Engine/ProgressDisplay.h"
#include "Toolkit/Link/SerialDevice.h"
#include "tests/Pellora/FakeSerialLine.h"
#include "tests/Pellora/ScriptedOperator.h"
#include "tests/Pellora/SteppingClock.h"
#include "tests/support/TemporaryFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

using testing::ElementsAre;
using testing::ElementsAreArray;
using testing::FloatEq;
using testing::IsEmpty;

namespace
{
const std::string threeLines = "S00600004844521B\n"
                               "S1130000285F245F2212226A000424290008237C2A\n"
                               "S9030000FC\n";

class DownloadFileTest : public testing::Test
{
protected:
    DownloadFileTest()
        : myDevice(&myLine)
        , myClock(std::chrono::milliseconds(200))
        , myProgress(myOperator.newProgressDisplay())
        , myChecker(myOperator.newCancelChecker())
    {
    }

    void download(const std::string& aContent, bool aProtocol)
    {
        DownloadFile file(myFolder.write("file.s19", aContent));
        file.download(myDevice, myProgress, myChecker, aProtocol, myClock);
    }

    // The message of the InterpreterError that the download throws.
    std::string downloadError(const std::string& aContent, bool aProtocol)
    {
        try
        {
            download(aContent, aProtocol);
        }
        catch (const InterpreterError& anError)
        {
            return anError.what();
        }
        return "no error";
    }

    TemporaryFolder myFolder;
    FakeSerialLine myLine;
    SerialDevice myDevice;
    ScriptedOperator myOperator;
    SteppingClock myClock;
    UserInterface::ProgressDisplay myProgress;
    UserInterface::CancelChecker myChecker;
};

TEST_F(DownloadFileTest, ProtocolSendsEachLineWithOneNewlineAndShowsThePosition)
{
    myLine.answer("okok");
    download(threeLines, true);
    EXPECT_THAT(myLine.writes(), ElementsAre("S00600004844521B\n", "S1130000285F245F2212226A000424290008237C2A\n",
                                             "S9030000FC\n"));
    const float total = threeLines.size() + 1.0f;
    EXPECT_THAT(myOperator.progress(), ElementsAre(FloatEq(17 / total), FloatEq(60 / total), FloatEq(71 / total),
                                                   FloatEq(0.0f)));
}

TEST_F(DownloadFileTest, ProtocolWaitsForOkBeforeAndAfterTheFirstLineOnly)
{
    myLine.onWrite([this](const std::string&) {
        if (myLine.writes().size() == 1)
        {
            myLine.answer("ok");
        }
    });
    myLine.answer("ok");
    download(threeLines, true);
    EXPECT_EQ(3u, myLine.writes().size());
    EXPECT_EQ(0u, myLine.pending());
}

TEST_F(DownloadFileTest, ProtocolWithoutTheSecondOkStopsAfterTheFirstLine)
{
    myLine.answer("ok");
    EXPECT_EQ("no status response from the device", downloadError(threeLines, true));
    EXPECT_THAT(myLine.writes(), ElementsAre("S00600004844521B\n"));
}

TEST_F(DownloadFileTest, EmptyFileInProtocolModeChecksTheStatusOnce)
{
    myLine.answer("okok");
    download("", true);
    EXPECT_THAT(myLine.writes(), IsEmpty());
    EXPECT_EQ(2u, myLine.pending());
    EXPECT_THAT(myOperator.progress(), ElementsAre(0.0f));
}

TEST_F(DownloadFileTest, LastLineWithoutNewlineGoesOutWithOne)
{
    myLine.answer("okok");
    download("S0\nS9", true);
    EXPECT_THAT(myLine.writes(), ElementsAre("S0\n", "S9\n"));
    EXPECT_THAT(myOperator.progress(), ElementsAre(FloatEq(3 / 6.0f), FloatEq(5 / 6.0f), 0.0f));
}

TEST_F(DownloadFileTest, WindowsLineEndsReachTheWireAsOneNewline)
{
    myLine.answer("okok");
    download("S0AB\r\n\r\nS9CD\r\n", true);
    EXPECT_THAT(myLine.writes(), ElementsAre("S0AB\n", "\n", "S9CD\n"));
    EXPECT_THAT(myOperator.progress(),
                ElementsAre(FloatEq(6 / 15.0f), FloatEq(8 / 15.0f), FloatEq(14 / 15.0f), 0.0f));
}

TEST_F(DownloadFileTest, PlainSendsLinesWithoutLineEndsAndWaitsForOneAnswerByte)
{
    myLine.answer("!?");
    download("S0AB\r\nS1CDEF\nS9\n", false);
    EXPECT_THAT(myLine.writes(), ElementsAre("S0AB", "S1CDEF", "S9"));
    EXPECT_THAT(myOperator.progress(),
                ElementsAre(FloatEq(4 / 17.0f), FloatEq(10 / 17.0f), FloatEq(12 / 17.0f), 1.0f, 0.0f));
    EXPECT_EQ(1u, myLine.pending()) << "more than the one answer byte was read";
    // Then the window stays live for 3 s more, resting between passes.
    EXPECT_GE(myClock.elapsed(), std::chrono::milliseconds(3000));
    EXPECT_LT(myClock.elapsed(), std::chrono::milliseconds(4000));
    EXPECT_GT(myClock.pauses(), 0);
}

TEST_F(DownloadFileTest, PlainWithoutAnswerIsNoErrorAfterItsTimeLimits)
{
    download("S9\n", false);
    EXPECT_GE(myClock.elapsed(), std::chrono::milliseconds(23000));
    EXPECT_LT(myClock.elapsed(), std::chrono::milliseconds(24000));
    EXPECT_GT(myOperator.checks(), 100) << "the waits must keep checking for Stop";
}

TEST_F(DownloadFileTest, StatusWaitEndsAfterFiveMinutes)
{
    EXPECT_EQ("no status response from the device", downloadError(threeLines, true));
    EXPECT_GE(myClock.elapsed(), std::chrono::minutes(5));
    EXPECT_LT(myClock.elapsed(), std::chrono::minutes(5) + std::chrono::seconds(1));
    EXPECT_THAT(myLine.writes(), IsEmpty());
}

// A line that has hung up answers every read at once with nothing; the waits
// for the unit must rest between such passes instead of spinning.
TEST_F(DownloadFileTest, WaitsRestAfterEveryEmptyReadOfALineThatAnswersAtOnce)
{
    EXPECT_EQ("no status response from the device", downloadError(threeLines, true));
    EXPECT_GT(myLine.readCount(), 100u);
    EXPECT_EQ(static_cast<int>(myLine.readCount()), myClock.pauses());

    const std::size_t statusReads = myLine.readCount();
    const int statusPauses = myClock.pauses();
    download("S9\n", false);
    const int answerReads = static_cast<int>(myLine.readCount() - statusReads);
    EXPECT_GT(answerReads, 10);
    // Each empty read of the answer wait rests once; the settle time rests too.
    EXPECT_GT(myClock.pauses() - statusPauses, answerReads);
}

TEST_F(DownloadFileTest, StatusThatArrivesLateStillCounts)
{
    int checks = 0;
    myOperator.onCheck([&] {
        if (++checks == 1000)
        {
            myLine.answer("o");
        }
        if (checks == 1200)
        {
            myLine.answer("kok");
        }
    });
    download("S9\n", true);
    EXPECT_THAT(myLine.writes(), ElementsAre("S9\n"));
}

struct StatusCase
{
    const char* name;
    std::string answer;
    std::string message;
};

void PrintTo(const StatusCase& aCase, std::ostream* aStream)
{
    *aStream << aCase.name;
}

class StatusAnswers : public DownloadFileTest, public testing::WithParamInterface<StatusCase>
{
};

TEST_P(StatusAnswers, GiveTheirMessages)
{
    myLine.answer(GetParam().answer);
    EXPECT_EQ(GetParam().message, downloadError("", true));
    EXPECT_THAT(myLine.writes(), IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Answers, StatusAnswers,
    testing::Values(StatusCase{"Ok", "Ok", "no error"}, StatusCase{"OK", "OK", "no error"},
                    StatusCase{"oK", "oK", "no error"},
                    StatusCase{"ErrorByte", std::string("xx\x85", 3), "Download error -123\n"},
                    StatusCase{"PositiveErrorByte", "noA", "Download error 65\n"},
                    StatusCase{"OkShifted", " ok", "Download error 107\n"},
                    StatusCase{"OThenNotK", "ox!", "Download error 33\n"},
                    StatusCase{"UpperOThenNotK", std::string("OO\x85", 3), "Download error -123\n"},
                    StatusCase{"KWithoutO", "kk?", "Download error 63\n"},
                    StatusCase{"NoErrorCode", "er", "no error code from the device"},
                    StatusCase{"OneByte", "o", "no status response from the device"},
                    StatusCase{"Nothing", "", "no status response from the device"}));

// An answer that starts like "ok" but is not is a refusal: the download ends
// after the lines already sent.
TEST_F(DownloadFileTest, RefusalAfterTheFirstLineSendsNoFurtherLine)
{
    myLine.answer("okoZ\x01");
    EXPECT_EQ("Download error 1\n", downloadError(threeLines, true));
    EXPECT_THAT(myLine.writes(), ElementsAre("S00600004844521B\n"));
}

// A file the system cannot open is told with the system's reason.
TEST_F(DownloadFileTest, MissingFileIsToldWithItsReasonAndSendsAndReadsNothing)
{
    const std::string plain = myFolder.write("plain.s19", "S1\n");
    const struct
    {
        std::string path;
        std::string reason;
    } cases[] = {
        {myFolder.pathOf("missing.s19"), "No such file or directory"},
        {plain + "/below.s19", "Not a directory"},
    };
    for (const auto& aCase : cases)
    {
        DownloadFile file(aCase.path);
        myLine.answer("okok");
        try
        {
            file.download(myDevice, myProgress, myChecker, true, myClock);
            ADD_FAILURE() << "no error for " << aCase.path;
        }
        catch (const InterpreterError& anError)
        {
            EXPECT_EQ("Error opening " + aCase.path + ": " + aCase.reason, anError.what());
        }
    }
    EXPECT_EQ(0u, myLine.readCount());
    EXPECT_THAT(myLine.writes(), IsEmpty());
}

TEST_F(DownloadFileTest, FolderIsNoFile)
{
    DownloadFile file(myFolder.path());
    myLine.answer("okok");
    EXPECT_THROW(file.download(myDevice, myProgress, myChecker, false, myClock),
                 InterpreterError);
    EXPECT_THAT(myLine.writes(), IsEmpty());
}

// Only regular files are downloaded: a device never ends and a FIFO would
// block the open where Stop cannot reach it.
TEST_F(DownloadFileTest, DeviceIsNoFile)
{
    DownloadFile file("/dev/null");
    myLine.answer("okok");
    EXPECT_EQ("Error opening /dev/null", [&] {
        try
        {
            file.download(myDevice, myProgress, myChecker, true, myClock);
        }
        catch (const InterpreterError& anError)
        {
            return std::string(anError.what());
        }
        return std::string("no error");
    }());
    EXPECT_THAT(myLine.writes(), IsEmpty());
}

TEST_F(DownloadFileTest, FifoIsNoFileAndDoesNotBlock)
{
    const std::string path = myFolder.pathOf("pipe.s19");
    ASSERT_EQ(0, ::mkfifo(path.c_str(), 0600));
    // A writer that comes and goes at once, so that an open that waits for one
    // ends (as an empty file) instead of hanging the test.
    // Its open succeeds only while a reader has the FIFO open.
    std::atomic<bool> done{false};
    std::atomic<bool> opened{false};
    std::thread writer([&] {
        while (!done)
        {
            const int descriptor = ::open(path.c_str(), O_WRONLY | O_NONBLOCK);
            if (descriptor >= 0)
            {
                opened = true;
                ::close(descriptor);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    });
    DownloadFile file(path);
    myLine.answer("okok");
    std::string message = "no error";
    try
    {
        file.download(myDevice, myProgress, myChecker, true, myClock);
    }
    catch (const InterpreterError& anError)
    {
        message = anError.what();
    }
    done = true;
    writer.join();
    EXPECT_EQ("Error opening " + path, message);
    EXPECT_FALSE(opened) << "the download waited in the open for a writer";
    EXPECT_EQ(0u, myLine.readCount());
}

struct LineLengthCase
{
    const char* name;
    std::size_t length; // of the second line, its line end not counted
    const char* lineEnd;
    bool sent;
};

class LineLength : public DownloadFileTest, public testing::WithParamInterface<LineLengthCase>
{
};

// A line far longer than any S-record line ends the download as a read error
// before it is sent, in either mode; the longest allowed one goes out whole.
TEST_P(LineLength, LongerThanTheLimitIsAReadError)
{
    const LineLengthCase& the = GetParam();
    const std::string line(the.length, 'S');
    for (bool protocol : {true, false})
    {
        myLine = FakeSerialLine();
        myLine.answer("okok");
        const std::string error = downloadError("S00600004844521B\n" + line + the.lineEnd + "S9030000FC\n", protocol);
        if (the.sent)
        {
            EXPECT_EQ("no error", error);
            EXPECT_THAT(myLine.writes(), testing::Contains(protocol ? line + "\n" : line));
        }
        else
        {
            EXPECT_EQ("Error reading " + myFolder.pathOf("file.s19"), error);
            EXPECT_EQ(1u, myLine.writes().size()) << "only the first line went out";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, LineLength,
    testing::Values(LineLengthCase{"Longest", DownloadFile::MaxLineLength, "\n", true},
                    LineLengthCase{"LongestWithWindowsLineEnd", DownloadFile::MaxLineLength, "\r\n", true},
                    LineLengthCase{"OneTooLong", DownloadFile::MaxLineLength + 1, "\n", false},
                    LineLengthCase{"OneTooLongWithWindowsLineEnd", DownloadFile::MaxLineLength + 1, "\r\n", false},
                    LineLengthCase{"EndlessAtTheEndOfTheFile", 1 << 20, "", false}),
    [](const testing::TestParamInfo<LineLengthCase>& anInfo) { return std::string(anInfo.param.name); });

struct StopCase
{
    bool protocol;
    int check;
    std::size_t linesSent;
};

class Stop : public DownloadFileTest, public testing::WithParamInterface<StopCase>
{
};

TEST_P(Stop, EndsTheTransferBetweenWholeLines)
{
    std::string content;
    std::vector<std::string> lines;
    for (int i = 0; i < 6; ++i)
    {
        lines.push_back("S1" + std::to_string(100000 + i));
        content += lines.back() + "\n";
    }
    myLine.answer("okok");
    myOperator.stopAtCheck(GetParam().check);
    EXPECT_THROW(download(content, GetParam().protocol), Win32Implementation::CancelException);
    ASSERT_EQ(GetParam().linesSent, myLine.writes().size());
    for (std::size_t i = 0; i < myLine.writes().size(); ++i)
    {
        EXPECT_EQ(lines[i] + (GetParam().protocol ? "\n" : ""), myLine.writes()[i]);
    }
}

// With the protocol the two status checks take one cancel check each.
INSTANTIATE_TEST_SUITE_P(Checks, Stop,
                         testing::Values(StopCase{true, 1, 0}, StopCase{true, 2, 1}, StopCase{true, 3, 2},
                                         StopCase{true, 5, 4}, StopCase{false, 1, 1}, StopCase{false, 4, 4},
                                         StopCase{false, 7, 6}));

class StopOnTheWire : public DownloadFileTest, public testing::WithParamInterface<StopCase>
{
};

// Stop pressed while a line is on the wire is seen as it leaves, before the
// next line follows it: the window's own work came earlier, during the line.
TEST_P(StopOnTheWire, EndsTheTransferBeforeTheNextLine)
{
    std::string content;
    for (int i = 0; i < 6; ++i)
    {
        content += "S1" + std::to_string(100000 + i) + "\n";
    }
    myLine.answer("okok");
    myOperator.stopAtPendingCheck(GetParam().check);
    EXPECT_THROW(download(content, GetParam().protocol), Win32Implementation::CancelException);
    EXPECT_EQ(GetParam().linesSent, myLine.writes().size());
}

// With the protocol the first line goes before the second status check,
// without such a look; without it every line has one.
INSTANTIATE_TEST_SUITE_P(PendingChecks, StopOnTheWire,
                         testing::Values(StopCase{true, 1, 1}, StopCase{true, 4, 4}, StopCase{false, 1, 0},
                                         StopCase{false, 3, 2}, StopCase{false, 6, 5}));

TEST_F(DownloadFileTest, StopDuringALongStatusWaitIsACancel)
{
    myOperator.stopAtCheck(100);
    EXPECT_THROW(download(threeLines, true), Win32Implementation::CancelException);
    EXPECT_THAT(myLine.writes(), IsEmpty());
}

TEST_F(DownloadFileTest, ClosingTheProgramEndsTheTransfer)
{
    myLine.answer("okok");
    myOperator.closeAtCheck(3);
    EXPECT_THROW(download(threeLines, true), Win32Implementation::ExitException);
    EXPECT_EQ(2u, myLine.writes().size());
}

TEST_F(DownloadFileTest, SameFileDownloadsAgainFromItsStart)
{
    DownloadFile file(myFolder.write("again.s19", "S0\nS9\n"));
    myLine.answer("okokokok");
    file.download(myDevice, myProgress, myChecker, true, myClock);
    file.download(myDevice, myProgress, myChecker, true, myClock);
    EXPECT_THAT(myLine.writes(), ElementsAre("S0\n", "S9\n", "S0\n", "S9\n"));
}
}
