#include "Platform/SerialLine.h"

#include "Platform/ProfileStore.h"
#include "tests/support/PortProfile.h"
#include "tests/support/PortLink.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <time.h>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <pthread.h>
#include <signal.h>
#include <termios.h>
#include <unistd.h>

namespace
{
using Platform::LineSettings;
using Platform::SerialLine;
typedef std::chrono::steady_clock Clock;

// The other end of the line: the master side of a pseudo-terminal, whose
// slave side the line under test opens like a serial port.
class PseudoTerminal
{
public:
    PseudoTerminal() : myMaster(::posix_openpt(O_RDWR | O_NOCTTY))
    {
        if (myMaster >= 0 && ::grantpt(myMaster) == 0 && ::unlockpt(myMaster) == 0)
        {
            mySlavePath = ::ptsname(myMaster);
        }
    }
    ~PseudoTerminal() { hangUp(); }

    const std::string& slavePath() const { return mySlavePath; }
    int master() const { return myMaster; }

    void send(const std::string& aBytes)
    {
        ASSERT_EQ(static_cast<ssize_t>(aBytes.size()), ::write(myMaster, aBytes.data(), aBytes.size()));
    }

    // Everything that arrives within aMilliseconds (or until aCount bytes came).
    std::string receive(std::size_t aCount, int aMilliseconds)
    {
        std::string bytes;
        const Clock::time_point end = Clock::now() + std::chrono::milliseconds(aMilliseconds);
        while (bytes.size() < aCount && Clock::now() < end)
        {
            struct pollfd entry = {myMaster, POLLIN, 0};
            if (::poll(&entry, 1, 10) == 1 && (entry.revents & POLLIN) != 0)
            {
                char buffer[4096];
                const ssize_t count = ::read(myMaster, buffer, std::min(sizeof buffer, aCount - bytes.size()));
                if (count > 0)
                {
                    bytes.append(buffer, static_cast<std::size_t>(count));
                }
            }
        }
        return bytes;
    }

    void hangUp()
    {
        if (myMaster >= 0)
        {
            ::close(myMaster);
            myMaster = -1;
        }
    }

private:
    int myMaster;
    std::string mySlavePath;
};

// A write lasts as long as its bytes take on the wire: tests that send a lot
// go at a rate that keeps them short.
const std::uint32_t fastRate = 2000000;

class SerialLineTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_FALSE(myTerminal.slavePath().empty());
        ASSERT_TRUE(myLine.open(myTerminal.slavePath()));
        ASSERT_TRUE(myLine.loadSettings());
        ASSERT_TRUE(myLine.applySettings(LineSettings(38400)));
    }

    std::string readString(std::size_t aCount)
    {
        std::vector<unsigned char> buffer(aCount);
        const std::size_t count = myLine.read(buffer.data(), aCount);
        return std::string(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(count));
    }

    bool writeString(const std::string& aBytes)
    {
        return myLine.write(reinterpret_cast<const unsigned char*>(aBytes.data()), aBytes.size());
    }

    PseudoTerminal myTerminal;
    SerialLine myLine;
};

class SerialLineRateTest : public ::testing::TestWithParam<unsigned>
{
};

// The kernel's terminal settings with a free rate, to read back what the line set.
struct KernelTermios
{
    tcflag_t c_iflag, c_oflag, c_cflag, c_lflag;
    cc_t c_line;
    cc_t c_cc[19];
    speed_t c_ispeed, c_ospeed;
};

TEST_P(SerialLineRateTest, SetsTheRateRawEightDataBitsNoParityOneStopBit)
{
    PseudoTerminal terminal;
    // Start from a cooked line with parity and two stop bits, so every change shows.
    struct termios cooked;
    ASSERT_EQ(0, ::tcgetattr(terminal.master(), &cooked));
    cooked.c_cflag |= PARENB | CSTOPB;
    cooked.c_lflag |= ICANON | ECHO;
    cooked.c_iflag |= IXON | ICRNL;
    ASSERT_EQ(0, ::tcsetattr(terminal.master(), TCSANOW, &cooked));

    SerialLine line;
    ASSERT_TRUE(line.open(terminal.slavePath()));
    ASSERT_TRUE(line.loadSettings());
    ASSERT_TRUE(line.applySettings(LineSettings(GetParam())));

    // On a pseudo-terminal the master side reads the slave's settings.
    struct termios applied;
    ASSERT_EQ(0, ::tcgetattr(terminal.master(), &applied));
    EXPECT_EQ(tcflag_t(CS8), applied.c_cflag & (CSIZE | PARENB | CSTOPB));
    EXPECT_EQ(0u, applied.c_lflag & (ICANON | ECHO | ISIG));
    EXPECT_EQ(0u, applied.c_iflag & (IXON | ICRNL));
    EXPECT_EQ(0u, applied.c_oflag & OPOST);
    KernelTermios kernel;
    ASSERT_EQ(0, ::ioctl(terminal.master(), _IOR('T', 0x2A, KernelTermios), &kernel));
    EXPECT_EQ(GetParam(), kernel.c_ospeed);
}

INSTANTIATE_TEST_SUITE_P(Rates, SerialLineRateTest, ::testing::Values(9600u, 14400u, 19200u, 38400u));

struct ReportedRateCase
{
    unsigned asked;
    unsigned reported;
    bool matches;
};

// A driver's rounding is taken up to 2% either way, and no further.
TEST(SerialLineReportedRateTest, MatchesTheAskedRateWithinTwoPercent)
{
    const ReportedRateCase cases[] = {
        {9600, 9600, true},    {9600, 9792, true},    {9600, 9793, false},   {9600, 9408, true},
        {9600, 9407, false},   {14400, 14688, true},  {14400, 14689, false}, {14400, 14112, true},
        {14400, 14111, false}, {1001, 1021, true},    {1001, 1022, false},   {1001, 981, true},
        {1001, 980, false},    {9600, 0, false},      {9600, 4800, false},   {9600, 19200, false},
    };
    for (const ReportedRateCase& each : cases)
    {
        EXPECT_EQ(each.matches, SerialLine::rateMatches(each.asked, each.reported))
            << each.asked << " asked, " << each.reported << " reported";
    }
}

TEST(SerialLineOpenTest, RefusesAFramingATerminalCannotCarry)
{
    PseudoTerminal terminal;
    SerialLine line;
    ASSERT_TRUE(line.open(terminal.slavePath()));
    ASSERT_TRUE(line.loadSettings());
    LineSettings nineBits(9600);
    nineBits.dataBits = 9;
    LineSettings threeStopBits(9600);
    threeStopBits.stopBits = 3;
    EXPECT_FALSE(line.applySettings(nineBits));
    EXPECT_FALSE(line.applySettings(threeStopBits));
    EXPECT_TRUE(line.applySettings(LineSettings(9600)));
}

TEST(SerialLineOpenTest, RefusesMissingDevicesAndDevicesWithoutLineSettings)
{
    SerialLine line;
    EXPECT_FALSE(line.open(""));
    EXPECT_FALSE(line.open("/dev/no-such-serial-line"));
    EXPECT_FALSE(line.isOpen());
    ASSERT_TRUE(line.open("/dev/null"));
    EXPECT_FALSE(line.loadSettings());
    EXPECT_FALSE(line.applySettings(LineSettings(9600)));
}

TEST(SerialLineOpenTest, KeepsTheSystemsReasonForAFailedStepAndWritesItToStandardError)
{
    struct Case
    {
        const char* path;
        bool opens;
        const char* reason;
    };
    const Case cases[] = {
        {"/dev/no-such-serial-line", false, "open: No such file or directory"},
        {"/dev/null", true, "read settings: Inappropriate ioctl for device"},
    };
    for (const Case& aCase : cases)
    {
        SCOPED_TRACE(aCase.path);
        SerialLine line;
        EXPECT_EQ("", line.lastError());
        testing::internal::CaptureStderr();
        EXPECT_EQ(aCase.opens, line.open(aCase.path));
        EXPECT_FALSE(aCase.opens && line.loadSettings());
        const std::string written = testing::internal::GetCapturedStderr();
        EXPECT_EQ(aCase.reason, line.lastError());
        EXPECT_EQ(std::string("Serial line ") + aCase.path + ": " + aCase.reason + "\n", written);
    }
}

TEST_F(SerialLineTest, ASecondOpenerIsToldTheLineIsInUse)
{
    SerialLine second;
    testing::internal::CaptureStderr();
    EXPECT_FALSE(second.open(myTerminal.slavePath()));
    testing::internal::GetCapturedStderr();
    // Without privileges the terminal's exclusive mode refuses the open itself.
    const std::string& reason = second.lastError();
    EXPECT_TRUE(reason.find("lock (in use): ") == 0 || reason == "open: Device or resource busy") << reason;
}

TEST(SerialLineOpenTest, ClosedLineReadsNothingAndRefusesWritesAndTimeouts)
{
    SerialLine line;
    unsigned char byte = 0x04;
    EXPECT_FALSE(line.setReadTimeout(200));
    EXPECT_FALSE(line.write(&byte, 1));
    EXPECT_EQ(0u, line.read(&byte, 1));
    line.close();
    EXPECT_FALSE(line.isOpen());
}

TEST_F(SerialLineTest, OpenIsExclusiveUntilClosed)
{
    SerialLine second;
    EXPECT_FALSE(second.open(myTerminal.slavePath()));
    myLine.close();
    EXPECT_TRUE(second.open(myTerminal.slavePath()));
    EXPECT_FALSE(myLine.open(myTerminal.slavePath()));
}

TEST_F(SerialLineTest, ReadReturnsWhatArrivedWithinTheTimeout)
{
    ASSERT_TRUE(myLine.setReadTimeout(50));
    myTerminal.send("\x02\x02\x42");
    EXPECT_EQ("\x02\x02\x42", readString(5));
}

TEST_F(SerialLineTest, ReadOnASilentLineReturnsNothingAfterTheTimeout)
{
    ASSERT_TRUE(myLine.setReadTimeout(30));
    const Clock::time_point start = Clock::now();
    EXPECT_EQ("", readString(1));
    EXPECT_GE(Clock::now() - start, std::chrono::milliseconds(30));
}

TEST_F(SerialLineTest, ReadWaitsForTheWholeCountAcrossPieces)
{
    ASSERT_TRUE(myLine.setReadTimeout(5000));
    myTerminal.send("ab");
    std::thread later([this] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        myTerminal.send("cde");
    });
    const std::string received = readString(5);
    later.join();
    EXPECT_EQ("abcde", received);
}

TEST_F(SerialLineTest, FrameAtALowRateIsGatheredWholeOrCutAtTheTimeout)
{
    ASSERT_TRUE(myLine.applySettings(LineSettings(9600)));
    ASSERT_TRUE(myLine.setReadTimeout(2000));
    myTerminal.send("\x02\x10");
    std::thread later([this] {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        myTerminal.send("0123456789abcde");
    });
    EXPECT_EQ("\x02\x10" "0123456789abcde", readString(17));
    later.join();

    ASSERT_TRUE(myLine.setReadTimeout(40));
    myTerminal.send("\x02");
    EXPECT_EQ("\x02", readString(200));
}

TEST_F(SerialLineTest, BlockReadAllowsTheBytesTheirTimeOnTheWireOnTopOfTheTimeout)
{
    // 240 bytes take 250 ms at 9600 baud, longer than the read time-out.
    ASSERT_TRUE(myLine.applySettings(LineSettings(9600)));
    ASSERT_TRUE(myLine.setReadTimeout(200));
    const std::string block(240, '\x55');
    // Sends the block as the wire delivers it: ten bytes every 10.4 ms.
    const auto sendAtWirePace = [this, &block]() {
        const Clock::time_point start = Clock::now();
        return std::thread([this, &block, start] {
            for (std::size_t sent = 0; sent < block.size(); sent += 10)
            {
                std::this_thread::sleep_until(start + std::chrono::microseconds(10417 * (sent / 10 + 1)));
                myTerminal.send(block.substr(sent, 10));
            }
        });
    };

    std::thread sender = sendAtWirePace();
    std::vector<unsigned char> buffer(block.size());
    const std::size_t count = myLine.readBlock(buffer.data(), buffer.size());
    sender.join();
    EXPECT_EQ(block, std::string(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(count)));

    // Every other read keeps the time-out as it is.
    sender = sendAtWirePace();
    EXPECT_LT(readString(block.size()).size(), block.size());
    sender.join();
}

namespace
{
// Counts how often the line looks at its device; once the first look is
// done, it can set off the other end.
class LookCountingLine : public SerialLine
{
public:
    int looks = 0;
    std::function<void()> onFirstLook;

protected:
    ssize_t readDevice(int aDescriptor, void* aBuffer, std::size_t aCount) override
    {
        const ssize_t result = SerialLine::readDevice(aDescriptor, aBuffer, aCount);
        const int error = errno;
        if (++looks == 1 && onFirstLook)
        {
            onFirstLook();
        }
        errno = error;
        return result;
    }
};

class SerialLineLookTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_FALSE(myTerminal.slavePath().empty());
        ASSERT_TRUE(myLine.open(myTerminal.slavePath()));
        ASSERT_TRUE(myLine.loadSettings());
        ASSERT_TRUE(myLine.applySettings(LineSettings(9600)));
        ASSERT_TRUE(myLine.setReadTimeout(1000));
    }

    void TearDown() override
    {
        if (mySender.joinable())
        {
            mySender.join();
        }
    }

    PseudoTerminal myTerminal;
    LookCountingLine myLine;
    std::thread mySender;
};
}

// Every wake-up of a poll costs: the answer to what was just written, and a
// block sent in one go, are each taken with as few looks as they can be.
TEST_F(SerialLineLookTest, TheAnswerToWhatIsStillOnTheWireIsWaitedForNotLookedFor)
{
    // 100 bytes are on the wire for 104 ms at 9600 baud; the answer comes sooner.
    const std::string question(100, 'q');
    ASSERT_TRUE(myLine.write(reinterpret_cast<const unsigned char*>(question.data()), question.size()));
    mySender = std::thread([this] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        myTerminal.send("A");
    });
    unsigned char answer = 0;
    EXPECT_EQ(1u, myLine.read(&answer, 1));
    EXPECT_EQ('A', answer);
    EXPECT_EQ(1, myLine.looks);
}

TEST_F(SerialLineLookTest, ABlockIsTakenWholeOnceItHadItsTimeOnTheWire)
{
    // 50 bytes take 52 ms at 9600 baud: half of them come at once, the rest
    // 20 ms later, both well within that time.
    const std::string block = std::string(25, 'a') + std::string(25, 'b');
    myLine.onFirstLook = [this, &block] {
        myTerminal.send(block.substr(0, 25));
        mySender = std::thread([this, &block] {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            myTerminal.send(block.substr(25));
        });
    };
    std::vector<unsigned char> buffer(block.size());
    const std::size_t count = myLine.readBlock(buffer.data(), buffer.size());
    mySender.join();
    EXPECT_EQ(block, std::string(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(count)));
    // The first look finds nothing yet; the next finds it all.
    EXPECT_EQ(2, myLine.looks);
}

TEST_F(SerialLineTest, ZeroTimeoutTakesOnlyWhatIsThere)
{
    ASSERT_TRUE(myLine.setReadTimeout(0));
    EXPECT_EQ("", readString(4));
    myTerminal.send("xy");
    // Give the bytes time to cross the pseudo-terminal.
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ("xy", readString(4));
}

TEST_F(SerialLineTest, BinaryBytesPassUnchanged)
{
    ASSERT_TRUE(myLine.setReadTimeout(1000));
    std::string all;
    for (int byte = 0; byte < 256; ++byte)
    {
        all.push_back(static_cast<char>(byte));
    }
    ASSERT_TRUE(writeString(all));
    EXPECT_EQ(all, myTerminal.receive(all.size(), 2000));
    myTerminal.send(all);
    EXPECT_EQ(all, readString(all.size()));
}

TEST_F(SerialLineTest, WriteFinishesWhatTheLineCannotTakeAtOnce)
{
    ASSERT_TRUE(myLine.applySettings(LineSettings(fastRate)));
    // Far more than a pseudo-terminal buffers, so the write has to wait for room.
    std::string bytes;
    for (int i = 0; i < 200000; ++i)
    {
        bytes.push_back(static_cast<char>(i * 7));
    }
    std::string received;
    std::thread reader([this, &bytes, &received] { received = myTerminal.receive(bytes.size(), 20000); });
    EXPECT_TRUE(writeString(bytes));
    reader.join();
    EXPECT_EQ(bytes.size(), received.size());
    EXPECT_TRUE(bytes == received);
}

// Interrupts the constructing thread with a signal every millisecond while it
// lives; the handler is installed without restart, so every blocking call of
// that thread returns EINTR.
class SignalStorm
{
public:
    SignalStorm() : myTarget(::pthread_self())
    {
        struct sigaction action;
        action.sa_handler = [](int) {};
        ::sigemptyset(&action.sa_mask);
        action.sa_flags = 0;
        ::sigaction(SIGUSR1, &action, &myPrevious);
        mySender = std::thread([this] {
            while (myRunning)
            {
                ::pthread_kill(myTarget, SIGUSR1);
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
        });
    }
    ~SignalStorm()
    {
        myRunning = false;
        mySender.join();
        ::sigaction(SIGUSR1, &myPrevious, nullptr);
    }

private:
    pthread_t myTarget;
    std::atomic<bool> myRunning{true};
    std::thread mySender;
    struct sigaction myPrevious;
};

TEST_F(SerialLineTest, SignalsDoNotCutReadsOrWritesShort)
{
    ASSERT_TRUE(myLine.applySettings(LineSettings(fastRate)));
    ASSERT_TRUE(myLine.setReadTimeout(5000));
    std::string bytes;
    for (int i = 0; i < 100000; ++i)
    {
        bytes.push_back(static_cast<char>(i * 13));
    }
    std::string received;
    std::thread other([this, &bytes, &received] {
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        myTerminal.send("late");
        received = myTerminal.receive(bytes.size(), 20000);
    });
    {
        SignalStorm storm;
        EXPECT_EQ("late", readString(4));
        EXPECT_TRUE(writeString(bytes));
    }
    other.join();
    EXPECT_TRUE(bytes == received);
}

// A write waits until the bytes of the write before it have left (all but the
// last couple of them), then returns while its own are still on their way:
// the line does not stand idle while the writer works between writes, and the
// writer is never more than one write ahead of a slow line (a pseudo-terminal
// would take seconds of them at once and tell nothing of what it holds). A
// read's time-out counts from when the written bytes have left. Signals cut
// none of these waits short.
TEST_F(SerialLineTest, AWriteWaitsOutTheWireTimeOfTheWriteBeforeIt)
{
    // 480 bytes of ten bits each take half a second at 9600 baud: ample for
    // the first write to be back long before its bytes are due to have left,
    // however loaded the machine.
    ASSERT_TRUE(myLine.applySettings(LineSettings(9600)));
    ASSERT_TRUE(myLine.setReadTimeout(0));
    const std::string bytes(480, '\x33');
    const Clock::duration wire = std::chrono::milliseconds(500);
    for (const bool signalled : {false, true})
    {
        SCOPED_TRACE(signalled ? "with signals" : "without signals");
        std::optional<SignalStorm> storm;
        if (signalled)
        {
            storm.emplace();
        }
        const Clock::time_point start = Clock::now();
        ASSERT_TRUE(writeString(bytes));
        const Clock::time_point firstBack = Clock::now();
        ASSERT_TRUE(writeString(bytes));
        // Back before its own bytes are due off the wire; the second waits for them.
        EXPECT_TRUE(firstBack < start + wire)
            << "the first write waited out its own bytes: back after "
            << std::chrono::duration_cast<std::chrono::milliseconds>(firstBack - start).count() << " ms";
        EXPECT_GE(Clock::now() - start, wire * 95 / 100);
        // Nothing answers: the read ends when the second write's bytes have left.
        EXPECT_EQ("", readString(1));
        EXPECT_GE(Clock::now() - start, 2 * wire);
        storm.reset();
        EXPECT_EQ(bytes + bytes, myTerminal.receive(2 * bytes.size(), 5000));
    }
}

// Processor time of the calling thread: a read that spins shows up here
// however loaded the machine is.
std::chrono::nanoseconds threadTime()
{
    struct timespec now;
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec);
}

TEST_F(SerialLineTest, WaitingReadsDoNotSpin)
{
    ASSERT_TRUE(myLine.setReadTimeout(300));
    const std::chrono::nanoseconds before = threadTime();
    EXPECT_EQ("", readString(1));
    EXPECT_LT(threadTime() - before, std::chrono::milliseconds(100));
}

TEST_F(SerialLineTest, HungUpLineReadsNothingWithoutSpinningAndRefusesWrites)
{
    ASSERT_TRUE(myLine.setReadTimeout(300));
    myTerminal.hangUp();
    const std::chrono::nanoseconds before = threadTime();
    EXPECT_EQ("", readString(1));
    EXPECT_LT(threadTime() - before, std::chrono::milliseconds(100));
    EXPECT_FALSE(writeString("\xFB\x82\x81"));
}

// A port named by a link, as a profile's "COMn" entry may name it: the link
// can be pointed at another pseudo-terminal while the line is open.
class SerialLineRelinkTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        relink(myFirst);
        ASSERT_TRUE(myLine.open(myLink.path()));
        ASSERT_TRUE(myLine.loadSettings());
        ASSERT_TRUE(myLine.applySettings(LineSettings(9600)));
        ASSERT_TRUE(myLine.setReadTimeout(50));
        ASSERT_TRUE(writeString("\xFB\x82\x81"));
        ASSERT_EQ("\xFB\x82\x81", myFirst.receive(3, 1000));
    }

    void relink(const PseudoTerminal& aTerminal)
    {
        ASSERT_FALSE(aTerminal.slavePath().empty());
        ASSERT_TRUE(myLink.pointAt(aTerminal.slavePath()));
    }

    bool writeString(const std::string& aBytes)
    {
        return myLine.write(reinterpret_cast<const unsigned char*>(aBytes.data()), aBytes.size());
    }

    std::string readString(std::size_t aCount)
    {
        std::vector<unsigned char> buffer(aCount);
        const std::size_t count = myLine.read(buffer.data(), aCount);
        return std::string(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(count));
    }

    PortLink myLink;
    PseudoTerminal myFirst;
    PseudoTerminal mySecond;
    SerialLine myLine;
};

TEST_F(SerialLineRelinkTest, AVanishedDeviceIsOpenedAgainFromItsPathOnceItIsBack)
{
    // Unplugged: the path goes (so that no other terminal that gets the old
    // number can be taken for it), then the device.
    ASSERT_TRUE(myLink.remove());
    myFirst.hangUp();
    EXPECT_EQ("", readString(1));
    // Gone, and the path names nothing yet: the write fails.
    testing::internal::CaptureStderr();
    EXPECT_FALSE(writeString("\xFB\x82\x81"));
    EXPECT_EQ("", readString(1));
    testing::internal::GetCapturedStderr();

    // Back under the same path: raw at the rate, with the read time-out it had.
    relink(mySecond);
    ASSERT_TRUE(writeString("\xFB\x82\x81"));
    EXPECT_EQ("\xFB\x82\x81", mySecond.receive(3, 1000));
    mySecond.send("\x04");
    EXPECT_EQ("\x04", readString(1));
    EXPECT_EQ(50u, myLine.readTimeout());
    struct termios applied;
    ASSERT_EQ(0, ::tcgetattr(mySecond.master(), &applied));
    EXPECT_EQ(tcflag_t(CS8), applied.c_cflag & (CSIZE | PARENB | CSTOPB));
    EXPECT_EQ(0u, applied.c_lflag & (ICANON | ECHO));
    EXPECT_EQ(speed_t(B9600), ::cfgetospeed(&applied));
}

// A read that finds the device gone opens the path again, as a write does,
// so that a program that waits for the unit to speak first (a download's
// status) hears a unit that is back; while it is not, reads end at once.
TEST_F(SerialLineRelinkTest, AReadThatFindsTheDeviceGoneOpensThePathAgain)
{
    ASSERT_TRUE(myLine.setReadTimeout(2000));
    // Back before the read notices: the read takes the new device's answer.
    myFirst.hangUp();
    relink(mySecond);
    mySecond.send("ok");
    EXPECT_EQ("ok", readString(2));
    EXPECT_FALSE(myLine.isGone());

    // Gone and not back: the read ends at once and says so.
    ASSERT_TRUE(myLink.remove());
    mySecond.hangUp();
    testing::internal::CaptureStderr();
    const Clock::time_point start = Clock::now();
    EXPECT_EQ("", readString(2));
    EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(1000));
    EXPECT_TRUE(myLine.isGone());
    testing::internal::GetCapturedStderr();

    // Back later: the next read opens it.
    PseudoTerminal third;
    relink(third);
    third.send("OK");
    EXPECT_EQ("OK", readString(2));
    EXPECT_FALSE(myLine.isGone());
}

namespace
{
// A device that opens again each time but reads as hung up at once: counts
// its reads, and after plenty of them turns silent so that a read that keeps
// opening it still ends.
class HungUpOnEveryOpening : public SerialLine
{
public:
    int reads = 0;

protected:
    ssize_t readDevice(int, void*, std::size_t) override
    {
        if (++reads > 50)
        {
            errno = EAGAIN;
            return -1;
        }
        return 0;
    }
};
}

TEST(SerialLineReopenTest, ADeviceThatFailsAgainAtOnceIsOpenedOncePerRead)
{
    PseudoTerminal terminal;
    HungUpOnEveryOpening line;
    ASSERT_TRUE(line.open(terminal.slavePath()));
    ASSERT_TRUE(line.loadSettings());
    ASSERT_TRUE(line.applySettings(LineSettings(9600)));
    ASSERT_TRUE(line.setReadTimeout(200));
    unsigned char byte = 0;
    // Hung up, opened again, hung up again: the read gives up.
    EXPECT_EQ(0u, line.read(&byte, 1));
    EXPECT_EQ(2, line.reads);
    EXPECT_TRUE(line.isGone());
    // Gone before it starts: the next read opens it, finds it hung up, gives up.
    EXPECT_EQ(0u, line.read(&byte, 1));
    EXPECT_EQ(3, line.reads);
    EXPECT_TRUE(line.isGone());
}

TEST_F(SerialLineRelinkTest, AfterAFailedExchangeTheNextWriteGoesToTheDeviceThePathNamesNow)
{
    struct Case
    {
        const char* what;
        bool hangUpFirst;
    };
    const Case cases[] = {{"hung up and replaced", true}, {"replaced while the old one still works", false}};
    for (const Case& aCase : cases)
    {
        SCOPED_TRACE(aCase.what);
        PseudoTerminal old;
        PseudoTerminal replacement;
        relink(old);
        EXPECT_EQ("", readString(1));
        ASSERT_TRUE(writeString("a"));
        ASSERT_EQ("a", old.receive(1, 1000));
        if (aCase.hangUpFirst)
        {
            old.hangUp();
            EXPECT_EQ("", readString(1));
        }
        relink(replacement);
        if (!aCase.hangUpFirst)
        {
            // The path is looked at again only once an exchange fails.
            ASSERT_TRUE(writeString("b"));
            EXPECT_EQ("b", old.receive(1, 1000));
            EXPECT_EQ("", readString(1));
        }
        ASSERT_TRUE(writeString("c"));
        EXPECT_EQ("c", replacement.receive(1, 1000));
        EXPECT_EQ("", old.receive(1, 50));
        // The old terminal is no longer held: another user may open it.
        if (!aCase.hangUpFirst)
        {
            SerialLine other;
            EXPECT_TRUE(other.open(old.slavePath()));
        }
    }
}

TEST_F(SerialLineRelinkTest, ASilentLineIsNotOpenedAgain)
{
    // Echo turned on from the other end would be undone by a reopening,
    // which applies the line's own settings afresh.
    KernelTermios changed;
    ASSERT_EQ(0, ::ioctl(myFirst.master(), _IOR('T', 0x2A, KernelTermios), &changed));
    changed.c_lflag |= ECHO;
    ASSERT_EQ(0, ::ioctl(myFirst.master(), _IOW('T', 0x2B, KernelTermios), &changed));
    EXPECT_EQ("", readString(1));
    ASSERT_TRUE(writeString("\xFB\x82\x81"));
    EXPECT_EQ("\xFB\x82\x81", myFirst.receive(3, 1000));
    KernelTermios now;
    ASSERT_EQ(0, ::ioctl(myFirst.master(), _IOR('T', 0x2A, KernelTermios), &now));
    EXPECT_EQ(tcflag_t(ECHO), now.c_lflag & ECHO);
}

TEST_F(SerialLineRelinkTest, AClosedLineStaysClosed)
{
    relink(mySecond);
    myLine.close();
    EXPECT_FALSE(writeString("a"));
    EXPECT_FALSE(myLine.isOpen());
    EXPECT_EQ("", mySecond.receive(1, 50));
}

// Points the profiles at a folder of the test's own.
class SerialLinePathTest : public ::testing::Test
{
protected:
    void TearDown() override { SerialLine::setProgramName("Tessiva"); }

    PortProfile myProfile;
};

TEST_F(SerialLinePathTest, PortsMapToTheirDevicesWithoutAProfileEntry)
{
    EXPECT_EQ("", SerialLine::devicePath(0));
    EXPECT_EQ("/dev/ttyS0", SerialLine::devicePath(1));
    EXPECT_EQ("/dev/ttyS2", SerialLine::devicePath(3));
}

TEST_F(SerialLinePathTest, ProfileOfTheProgramNamesThePortsDevice)
{
    EXPECT_EQ("Tessiva", SerialLine::programName());
    ASSERT_TRUE(Platform::ProfileStore("Tessiva").writeString("Ports", "COM3", "/dev/pts/77"));
    ASSERT_TRUE(Platform::ProfileStore("Pellora").writeString("Ports", "COM3", "/dev/ttyUSB0"));
    EXPECT_EQ("/dev/pts/77", SerialLine::devicePath(3));
    EXPECT_EQ("/dev/ttyS3", SerialLine::devicePath(4));
    SerialLine::setProgramName("Pellora");
    EXPECT_EQ("Pellora", SerialLine::programName());
    EXPECT_EQ("/dev/ttyUSB0", SerialLine::devicePath(3));
}
}
