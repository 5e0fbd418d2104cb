#include "tests/emulator/UnitEmulator.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <iterator>
#include <ostream>
#include <poll.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

using namespace Emulator;
using namespace std::chrono_literals;
using Kind = UnitEmulator::LogEntry::Kind;

namespace
{
const uint16_t unitAddress = 0x8280;
const Bytes select8280{0xFB, 0x82, 0x80};
const Bytes poll8280{0xFB, 0x82, 0x81};
const Bytes authorize8280{0xFB, 0x82, 0x80, 0x09};
const Bytes ack{0x04};

Bytes operator+(Bytes aLeft, const Bytes& aRight)
{
    aLeft.insert(aLeft.end(), aRight.begin(), aRight.end());
    return aLeft;
}

// The computer's end of the line: the slave side opened with plain POSIX calls.
class UnitEmulatorTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        myEmulator.addUnit(unitAddress, {{{'B', 3}, UnitEmulator::integer(0)}, {{'I', 0}, UnitEmulator::integer(7)}});
        myLine = ::open(myEmulator.devicePath().c_str(), O_RDWR | O_NOCTTY);
        ASSERT_GE(myLine, 0);
        termios settings;
        ASSERT_EQ(tcgetattr(myLine, &settings), 0);
        cfmakeraw(&settings);
        ASSERT_EQ(tcsetattr(myLine, TCSANOW, &settings), 0);
    }

    void TearDown() override
    {
        if (myLine < 0)
            return;
        EXPECT_EQ(readUpTo(64, 40ms), Bytes{}) << "the unit sent more than the test expected";
        ::close(myLine);
    }

    void send(const Bytes& someBytes)
    {
        ASSERT_EQ(::write(myLine, someBytes.data(), someBytes.size()), static_cast<ssize_t>(someBytes.size()));
    }

    // Reads until aCount bytes arrived or the time-out passed.
    Bytes readUpTo(std::size_t aCount, std::chrono::milliseconds aTimeout)
    {
        Bytes received;
        auto deadline = std::chrono::steady_clock::now() + aTimeout;
        while (received.size() < aCount)
        {
            auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
            pollfd descriptor{myLine, POLLIN, 0};
            if (left.count() <= 0 || ::poll(&descriptor, 1, static_cast<int>(left.count())) <= 0)
                break;
            uint8_t buffer[512];
            ssize_t count = ::read(myLine, buffer, std::min(sizeof buffer, aCount - received.size()));
            if (count <= 0)
                break;
            received.insert(received.end(), buffer, buffer + count);
        }
        return received;
    }

    // Sends the bytes and returns the answer of the expected size; when no
    // answer is expected, whatever comes within a short quiet spell. Bytes
    // beyond the expected ones spoil the next answer or the check in TearDown.
    Bytes ask(const Bytes& someBytes, std::size_t anExpectedCount)
    {
        send(someBytes);
        if (anExpectedCount == 0)
            return readUpTo(64, 40ms);
        return readUpTo(anExpectedCount, 2000ms);
    }

    // Authorises the unit to send and reads one frame by its length byte.
    Bytes answerFrame()
    {
        Bytes frame = ask(authorize8280, 2);
        if (frame.size() == 2)
            frame = frame + readUpTo(std::size_t(frame[1]) + 1, 2000ms);
        return frame;
    }

    Bytes get(uint8_t aGroup, uint8_t anIndex)
    {
        EXPECT_EQ(ask(select8280 + UnitFrame::encode({aGroup, anIndex}), 1), ack);
        EXPECT_EQ(ask(poll8280, 1), Bytes{0x08});
        return answerFrame();
    }

    UnitEmulator myEmulator;
    int myLine = -1;
};
}

TEST_F(UnitEmulatorTest, SetIsMirroredUnderTheNextGroup)
{
    // ('B', 3) := 1, written under ('A', 3) and read back under ('B', 3), as on the wire.
    EXPECT_EQ(ask(select8280 + Bytes{0x02, 0x04, 0x41, 0x03, 0x00, 0x01, 0xB7}, 1), ack);
    EXPECT_EQ(ask(poll8280, 1), ack);
    EXPECT_EQ(myEmulator.value(unitAddress, 'B', 3), UnitEmulator::integer(1));
    EXPECT_FALSE(myEmulator.value(unitAddress, 'A', 3).has_value());

    EXPECT_EQ(ask(select8280 + Bytes{0x02, 0x02, 0x42, 0x03, 0xB9}, 1), ack);
    EXPECT_EQ(ask(poll8280, 1), Bytes{0x08});
    EXPECT_EQ(ask(authorize8280, 7), (Bytes{0x02, 0x04, 0x42, 0x03, 0x00, 0x01, 0xB6}));
    send(ack);
    EXPECT_EQ(ask(poll8280, 1), ack); // nothing waits any more

    std::vector<UnitEmulator::LogEntry> expected = {
        {Kind::Select, unitAddress, select8280},
        {Kind::Frame, unitAddress, {0x02, 0x04, 0x41, 0x03, 0x00, 0x01, 0xB7}},
        {Kind::Poll, unitAddress, poll8280},
        {Kind::Select, unitAddress, select8280},
        {Kind::Frame, unitAddress, {0x02, 0x02, 0x42, 0x03, 0xB9}},
        {Kind::Poll, unitAddress, poll8280},
        {Kind::Select, unitAddress, select8280},
        {Kind::Authorize, unitAddress, {0x09}},
        {Kind::Ack, unitAddress, ack},
        {Kind::Poll, unitAddress, poll8280},
    };
    EXPECT_EQ(myEmulator.log(), expected);
    EXPECT_EQ(myEmulator.bytesReceived().size(), 3u + 7 + 3 + 3 + 5 + 3 + 4 + 1 + 3);
}

TEST_F(UnitEmulatorTest, TextValuesTravelAsExtendedEntries)
{
    // A 6-character name written under '`' reads back under 'a'.
    Bytes name = UnitEmulator::text("Studio");
    EXPECT_EQ(ask(select8280 + UnitFrame::encode(Bytes{0x60, 0xFF, 14, 6} + name), 1), ack);
    EXPECT_EQ(ask(poll8280, 1), ack);
    EXPECT_EQ(myEmulator.value(unitAddress, 'a', 14), name);
    EXPECT_EQ(get('a', 14), UnitFrame::encode(Bytes{'a', 0xFF, 14, 6} + name));
}

TEST_F(UnitEmulatorTest, EverySetIsRecordedInOrderAndRequestsAreNot)
{
    EXPECT_TRUE(myEmulator.writes(unitAddress).empty());
    myEmulator.setValue(unitAddress, 'B', 3, UnitEmulator::integer(7)); // the test's own, not the computer's
    EXPECT_EQ(ask(select8280 + Bytes{0x02, 0x04, 0x41, 0x03, 0x00, 0x01, 0xB7}, 1), ack);
    EXPECT_EQ(ask(poll8280, 1), ack);
    Bytes name = UnitEmulator::text("Studio");
    EXPECT_EQ(ask(select8280 + UnitFrame::encode(Bytes{0x60, 0xFF, 14, 6} + name), 1), ack);
    EXPECT_EQ(ask(poll8280, 1), ack);
    EXPECT_EQ(ask(select8280 + Bytes{0x02, 0x02, 0x42, 0x03, 0xB9}, 1), ack);
    const std::vector<EmulatedUnit::Write> expected = {{{'B', 3}, UnitEmulator::integer(1)}, {{'a', 14}, name}};
    EXPECT_EQ(expected, myEmulator.writes(unitAddress));
}

TEST_F(UnitEmulatorTest, ListRequestIsAnsweredInRequestOrderWithoutUnknownIds)
{
    myEmulator.setValues(unitAddress, {{{'I', 2}, UnitEmulator::integer(0x1234)}, {{'I', 5}, {9}}});
    EXPECT_EQ(ask(select8280 + UnitFrame::encode({'I', 5, 0, 9, 2}), 1), ack);
    EXPECT_EQ(ask(poll8280, 1), Bytes{0x08});
    EXPECT_EQ(answerFrame(), UnitFrame::encode({'I', 0xFF, 5, 1, 9, 0, 0x00, 0x07, 2, 0x12, 0x34}));
}

TEST_F(UnitEmulatorTest, StatusPollWithNothingWaitingIsOk)
{
    EXPECT_EQ(ask(poll8280, 1), ack);
    EXPECT_EQ(ask(select8280, 0), Bytes{}); // a select alone is not answered
}

TEST_F(UnitEmulatorTest, PollStringWrapsWithinTheLowByte)
{
    myEmulator.addUnit(0x12FF);
    EXPECT_EQ(ask({0xFB, 0x12, 0x00}, 1), ack);
    EXPECT_EQ(ask({0xFB, 0x13, 0x00}, 0), Bytes{});
    EXPECT_EQ(myEmulator.log().back().kind, Kind::Other);
}

TEST_F(UnitEmulatorTest, BusyUnitAnswersTheBusyByteAsOftenAsTold)
{
    myEmulator.injectFault(unitAddress, UnitFault::busy(3));
    for (int poll = 0; poll < 3; ++poll)
        EXPECT_EQ(ask(poll8280, 1), Bytes{0x06});
    EXPECT_EQ(ask(poll8280, 1), ack);

    myEmulator.injectFault(unitAddress, UnitFault::busy(UnitFault::forever, 0x07));
    for (int poll = 0; poll < 20; ++poll)
        ASSERT_EQ(ask(poll8280, 1), Bytes{0x07});
    myEmulator.clearFaults(unitAddress);
    EXPECT_EQ(ask(poll8280, 1), ack);
}

TEST_F(UnitEmulatorTest, BusyUnitStillDeliversItsAnswerAfterwards)
{
    myEmulator.injectFault(unitAddress, UnitFault::busy(2));
    EXPECT_EQ(ask(select8280 + UnitFrame::encode({'I', 0}), 1), ack);
    EXPECT_EQ(ask(poll8280, 1), Bytes{0x06});
    EXPECT_EQ(ask(poll8280, 1), Bytes{0x06});
    EXPECT_EQ(ask(poll8280, 1), Bytes{0x08});
    EXPECT_EQ(answerFrame(), UnitFrame::encode({'I', 0, 0x00, 0x07}));
}

TEST_F(UnitEmulatorTest, TwoUnitsShareTheLine)
{
    const uint16_t other = 0x8290;
    myEmulator.addUnit(other, {{{'B', 3}, UnitEmulator::integer(5)}});
    EXPECT_EQ(ask({0xFB, 0x82, 0x90, 0x02, 0x04, 0x41, 0x03, 0x00, 0x02, 0xB6}, 1), ack);
    EXPECT_EQ(ask({0xFB, 0x82, 0x91}, 1), ack);
    EXPECT_EQ(myEmulator.value(other, 'B', 3), UnitEmulator::integer(2));
    EXPECT_EQ(myEmulator.value(unitAddress, 'B', 3), UnitEmulator::integer(0));

    // A request to one leaves the other with nothing to send.
    EXPECT_EQ(ask(select8280 + UnitFrame::encode({'B', 3}), 1), ack);
    EXPECT_EQ(ask({0xFB, 0x82, 0x91}, 1), ack);
    EXPECT_EQ(ask({0xFB, 0x82, 0x90, 0x09}, 0), Bytes{});
    EXPECT_EQ(ask(poll8280, 1), Bytes{0x08});
    EXPECT_EQ(answerFrame(), UnitFrame::encode({'B', 3, 0, 0}));
}

TEST_F(UnitEmulatorTest, AdjacentAddressesShareOneString)
{
    // FB 82 81 polls 0x8280 and selects 0x8281 at once; the frame is the selected unit's.
    myEmulator.addUnit(0x8281);
    EXPECT_EQ(ask({0xFB, 0x82, 0x81, 0x02, 0x04, 0x41, 0x03, 0x00, 0x02, 0xB6}, 2), (Bytes{0x04, 0x04}));
    EXPECT_EQ(myEmulator.value(0x8281, 'B', 3), UnitEmulator::integer(2));
    EXPECT_EQ(myEmulator.value(unitAddress, 'B', 3), UnitEmulator::integer(0));
}

TEST_F(UnitEmulatorTest, CorruptFrameIsRefusedAndNotTaken)
{
    EXPECT_EQ(ask(select8280 + Bytes{0x02, 0x04, 0x41, 0x03, 0x00, 0x01, 0xB8}, 1), Bytes{0x15});
    EXPECT_EQ(myEmulator.value(unitAddress, 'B', 3), UnitEmulator::integer(0));
}

TEST_F(UnitEmulatorTest, FrameCutOffByAPauseIsDropped)
{
    send(select8280 + Bytes{0x02, 0x04, 0x41});
    EXPECT_EQ(readUpTo(1, 150ms), Bytes{});
    // The line is back in step: the next exchange works as usual.
    EXPECT_EQ(get('I', 0), UnitFrame::encode({'I', 0, 0x00, 0x07}));
    std::vector<UnitEmulator::LogEntry> log = myEmulator.log();
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log[1], (UnitEmulator::LogEntry{Kind::Other, unitAddress, {0x02, 0x04, 0x41}}));
    EXPECT_EQ(myEmulator.value(unitAddress, 'B', 3), UnitEmulator::integer(0));
}

namespace
{
struct FaultCase
{
    const char* name;
    UnitFault fault;
    Bytes ackAnswer;   // to the request frame
    Bytes pollAnswer;  // to the poll after it
    Bytes frameAnswer; // to the transmit authorisation
};

const Bytes answerFrame{0x02, 0x04, 0x49, 0x00, 0x00, 0x07}; // without its checksum
const Bytes intactFrame = answerFrame + Bytes{0xAC};

std::vector<FaultCase> faultCases()
{
    return {
        {"Silent", UnitFault::silent(), {}, ack, {}},
        {"RefuseAck", UnitFault::refuseAck(), {0x15}, ack, {}},
        {"WrongAckByte", UnitFault::refuseAck(0x05), {0x05}, ack, {}},
        {"ErrorPollAnswer", UnitFault::pollAnswer(0x05), ack, {0x05}, intactFrame},
        {"Busy07", UnitFault::busy(1, 0x07), ack, {0x07}, intactFrame},
        {"BadChecksum", UnitFault::badChecksum(), ack, {0x08}, answerFrame + Bytes{0xAD}},
        {"Truncated", UnitFault::truncatedFrame(4), ack, {0x08}, {0x02, 0x04, 0x49, 0x00}},
        {"LengthOnly", UnitFault::truncatedFrame(1), ack, {0x08}, {0x02}},
        {"Overlong", UnitFault::overlongFrame({0xAA, 0xBB}), ack, {0x08}, intactFrame + Bytes{0xAA, 0xBB}},
        {"WrongStart", UnitFault::wrongStart(0x15), ack, {0x08}, Bytes{0x15} + Bytes(intactFrame.begin() + 1, intactFrame.end())},
        {"Garbage", UnitFault::garbage({0x55, 0xAA}), Bytes{0x55, 0xAA} + ack, {0x08}, intactFrame},
        {"Slow", UnitFault::slow(30ms, 3), ack, {0x08}, intactFrame},
    };
}

void PrintTo(const FaultCase& aCase, std::ostream* aStream) { *aStream << aCase.name; }

class UnitFaultTest : public UnitEmulatorTest, public ::testing::WithParamInterface<FaultCase>
{
};
}

TEST_P(UnitFaultTest, SpoilsItsExchangeAndThenClears)
{
    const FaultCase& aCase = GetParam();
    myEmulator.injectFault(unitAddress, aCase.fault);
    EXPECT_EQ(ask(select8280 + UnitFrame::encode({'I', 0}), aCase.ackAnswer.size()), aCase.ackAnswer);
    EXPECT_EQ(ask(poll8280, aCase.pollAnswer.size()), aCase.pollAnswer);
    EXPECT_EQ(ask(authorize8280, aCase.frameAnswer.size()), aCase.frameAnswer);
    send(ack);

    // The fault has used up its count: the same exchange is clean again.
    EXPECT_EQ(get('I', 0), intactFrame);
    if (aCase.fault.kind() == UnitFault::Slow)
    {
        EXPECT_EQ(myEmulator.counts().addedDelay, 90ms);
    }
}

INSTANTIATE_TEST_SUITE_P(Faults, UnitFaultTest, ::testing::ValuesIn(faultCases()),
                         [](const ::testing::TestParamInfo<FaultCase>& anInfo) { return std::string(anInfo.param.name); });

TEST_F(UnitEmulatorTest, FaultForeverLastsUntilCleared)
{
    myEmulator.injectFault(unitAddress, UnitFault::silent(UnitFault::forever));
    for (int attempt = 0; attempt < 3; ++attempt)
        EXPECT_EQ(ask(poll8280, 0), Bytes{});
    myEmulator.clearFaults(unitAddress);
    EXPECT_EQ(ask(poll8280, 1), ack);
}

TEST_F(UnitEmulatorTest, HangUpClosesTheLine)
{
    myEmulator.injectFault(unitAddress, UnitFault::hangUp());
    send(poll8280);
    pollfd descriptor{myLine, POLLIN, 0};
    ASSERT_EQ(::poll(&descriptor, 1, 2000), 1);
    EXPECT_NE(descriptor.revents & POLLHUP, 0);
    uint8_t byte;
    EXPECT_LE(::read(myLine, &byte, 1), 0);
}

TEST_F(UnitEmulatorTest, PacedLineCountsItsBytes)
{
    myEmulator.setBaudRate(9600);
    EXPECT_EQ(get('I', 0), intactFrame);
    UnitEmulator::Counts counts = myEmulator.counts();
    EXPECT_EQ(counts.bytesReceived, 3u + 5 + 3 + 4);
    EXPECT_EQ(counts.bytesSent, 1u + 1 + 7);
    EXPECT_EQ(counts.addedDelay, 0ms);
}

// Bytes that wait in the line while the paced unit takes the ones before
// follow them without a gap: the unit's late wake-ups do not slow the line.
TEST_F(UnitEmulatorTest, PacedReceptionChainsBytesThatWereWaiting)
{
    myEmulator.setBaudRate(38400);
    myEmulator.setPacedReception(true);
    const auto byteTime = std::chrono::nanoseconds(10000000000LL / 38400);
    // Far more than the unit takes at a time, all in the line at once.
    const Bytes stream(2000, 'x');
    send(stream);
    for (int i = 0; i < 400 && myEmulator.counts().bytesReceived < stream.size(); ++i)
        std::this_thread::sleep_for(10ms);
    const UnitEmulator::Counts counts = myEmulator.counts();
    ASSERT_EQ(counts.bytesReceived, stream.size());
    EXPECT_EQ(counts.receptionIdle, std::chrono::steady_clock::duration::zero());
    EXPECT_EQ(counts.receivedWireEnd - counts.firstReceived, byteTime * stream.size());
}

// A paced unit must never be faster than the wire: every byte of an answer
// arrives no earlier than the question's bytes and the answer's bytes before
// it (each 10 bits at 9600 baud) could have crossed. Only lower bounds are
// checked, so a slow machine cannot fail this.
TEST_F(UnitEmulatorTest, PacedAnswersNeverArriveBeforeTheirWireTime)
{
    myEmulator.setBaudRate(9600);
    const auto byteTime = std::chrono::nanoseconds(10000000000LL / 9600);
    struct Turn
    {
        Bytes question;
        Bytes answer;
    };
    const Turn turns[] = {
        {select8280 + UnitFrame::encode({'I', 0}), ack},
        {poll8280, {0x08}},
        {authorize8280, intactFrame},
    };
    for (std::size_t number = 0; number < std::size(turns); ++number)
    {
        const Turn& turn = turns[number];
        SCOPED_TRACE("turn " + std::to_string(number));
        const auto sent = std::chrono::steady_clock::now();
        send(turn.question);
        for (std::size_t index = 0; index < turn.answer.size(); ++index)
        {
            // Watching the line without sleeping sees a byte the moment it
            // lands, so that even a slightly early one shows.
            uint8_t byte = 0;
            const auto deadline = sent + 2s;
            ssize_t count = 0;
            do
            {
                pollfd descriptor{myLine, POLLIN, 0};
                if (::poll(&descriptor, 1, 0) == 1)
                    count = ::read(myLine, &byte, 1);
            } while (count == 0 && std::chrono::steady_clock::now() < deadline);
            const auto arrived = std::chrono::steady_clock::now() - sent;
            ASSERT_EQ(count, 1) << "byte " << index;
            EXPECT_EQ(byte, turn.answer[index]) << "byte " << index;
            EXPECT_GE(arrived, byteTime * (turn.question.size() + index + 1)) << "byte " << index << " came early";
        }
    }
    send(ack);
}

TEST_F(UnitEmulatorTest, UnknownAddressIsAnError)
{
    EXPECT_THROW(myEmulator.value(0x1234, 'B', 3), std::invalid_argument);
    EXPECT_THROW(myEmulator.injectFault(0x1234, UnitFault::busy()), std::invalid_argument);
    EXPECT_EQ(myEmulator.values(unitAddress).size(), 2u);
}

// ---- the download side ----

namespace
{
const Bytes ok{'o', 'k'};

class UnitDownloadTest : public UnitEmulatorTest
{
protected:
    void SetUp() override
    {
        UnitEmulatorTest::SetUp();
        myEmulator.setIdentification(unitAddress, "KQ350", "1.11");
    }

    void sendLine(const std::string& aLine) { send(UnitEmulator::text(aLine)); }
};
}

TEST_F(UnitDownloadTest, AnswersTheIdentificationTexts)
{
    EXPECT_EQ(get(0xF8, 0), UnitFrame::encode(Bytes{0xF8, 0xFF, 0, 5} + UnitEmulator::text("KQ350")));
    EXPECT_EQ(get(0xF8, 1), UnitFrame::encode(Bytes{0xF8, 0xFF, 1, 4} + UnitEmulator::text("1.11")));
}

TEST_F(UnitDownloadTest, DownloadModeWriteIsFollowedByTheStatus)
{
    EXPECT_FALSE(myEmulator.inDownloadMode(unitAddress));
    EXPECT_EQ(ask(select8280 + UnitFrame::encode({0xF9, 0, 0x00, 0x01}), 1), ack);
    EXPECT_EQ(ask(poll8280, 3), ack + ok);
    EXPECT_TRUE(myEmulator.inDownloadMode(unitAddress));
}

TEST_F(UnitDownloadTest, OtherIdentificationGroupMovesTheDownloadModeWrite)
{
    myEmulator.setIdentification(unitAddress, "KQ350", "1.11", 16);
    EXPECT_EQ(ask(select8280 + UnitFrame::encode({0xF9, 0, 0x00, 0x01}), 1), ack);
    EXPECT_EQ(ask(poll8280, 1), ack);
    EXPECT_FALSE(myEmulator.inDownloadMode(unitAddress));
    EXPECT_EQ(ask(select8280 + UnitFrame::encode({17, 0, 0x00, 0x01}), 1), ack);
    EXPECT_EQ(ask(poll8280, 3), ack + ok);
    EXPECT_TRUE(myEmulator.inDownloadMode(unitAddress));
}

TEST_F(UnitDownloadTest, AnswersAfterTheFirstLineAndAtTheEndOfEachFile)
{
    myEmulator.enterDownloadMode(unitAddress);
    EXPECT_EQ(readUpTo(2, 2000ms), ok);

    EXPECT_EQ(ask(UnitEmulator::text("S00600004844521B\n"), 2), ok);
    EXPECT_EQ(ask(UnitEmulator::text("S1130000285F245F2212226A000424290008237C2A\n"), 0), Bytes{});
    EXPECT_EQ(ask(UnitEmulator::text("S9030000FC\n"), 2), ok);
    // The next file starts the same way.
    EXPECT_EQ(ask(UnitEmulator::text("S00600004844521B\n"), 2), ok);
    EXPECT_EQ(ask(UnitEmulator::text("S5030001FB\nS9030000FC\n"), 2), ok);
    EXPECT_EQ(ask(UnitEmulator::text("S0DNLD\n"), 2), ok);
    EXPECT_EQ(ask(UnitEmulator::text("S0DONE\n"), 0), Bytes{});
    EXPECT_FALSE(myEmulator.inDownloadMode(unitAddress));

    std::vector<std::string> expected = {"S00600004844521B", "S1130000285F245F2212226A000424290008237C2A",
                                         "S9030000FC", "S00600004844521B", "S5030001FB", "S9030000FC",
                                         "S0DNLD", "S0DONE"};
    EXPECT_EQ(myEmulator.downloadLines(unitAddress), expected);
    EXPECT_EQ(myEmulator.log().back(), (UnitEmulator::LogEntry{Kind::Line, unitAddress, UnitEmulator::text("S0DONE")}));
}

TEST_F(UnitDownloadTest, LinesWithoutLineEndsAreSplitAtEachRecord)
{
    myEmulator.enterDownloadMode(unitAddress);
    EXPECT_EQ(readUpTo(2, 2000ms), ok);
    send(UnitEmulator::text("S00600004844521BS1050000AABB94S9030000FC"));
    // The first line's status comes when the second record begins, the last one after the pause.
    EXPECT_EQ(readUpTo(4, 2000ms), ok + ok);
    EXPECT_EQ(myEmulator.downloadLines(unitAddress),
              (std::vector<std::string>{"S00600004844521B", "S1050000AABB94", "S9030000FC"}));
}

TEST_F(UnitDownloadTest, StatusAnswerCanBeAnyCaseOrAnError)
{
    myEmulator.setDownloadAnswer(unitAddress, UnitEmulator::text("OK"));
    myEmulator.enterDownloadMode(unitAddress);
    EXPECT_EQ(readUpTo(2, 2000ms), UnitEmulator::text("OK"));
    myEmulator.setDownloadAnswer(unitAddress, {'e', 'r', 0x85});
    EXPECT_EQ(ask(UnitEmulator::text("S00600004844521B\r\n"), 3), (Bytes{'e', 'r', 0x85}));
}

TEST_F(UnitDownloadTest, TextOutsideDownloadModeIsNoise)
{
    EXPECT_EQ(ask(UnitEmulator::text("S9030000FC\n"), 0), Bytes{});
    EXPECT_TRUE(myEmulator.downloadLines(unitAddress).empty());
    EXPECT_EQ(myEmulator.log().back(), (UnitEmulator::LogEntry{Kind::Other, 0, UnitEmulator::text("S9030000FC\n")}));
}
