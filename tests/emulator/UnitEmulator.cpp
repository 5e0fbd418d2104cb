#include "tests/emulator/UnitEmulator.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <stdlib.h>
#include <sys/prctl.h>
#include <termios.h>
#include <unistd.h>

namespace Emulator
{
namespace
{
// A frame or text line interrupted for longer than this is given up, as a
// unit's receiver does; the computer's own time-outs are far longer.
const std::chrono::milliseconds messagePause(50);

// How long before the last byte of an answer the serving thread stops
// sleeping and watches the clock: a sleeping thread wakes some tens of
// microseconds late, and the computer's side waits for exactly that byte.
const std::chrono::microseconds punctualLead(80);

std::runtime_error systemError(const std::string& aWhat)
{
    return std::runtime_error("unit emulator: " + aWhat + ": " + std::strerror(errno));
}

bool makeRaw(int aDescriptor)
{
    termios settings;
    if (tcgetattr(aDescriptor, &settings) != 0)
        return false;
    cfmakeraw(&settings);
    return tcsetattr(aDescriptor, TCSANOW, &settings) == 0;
}

timespec toTimespec(std::chrono::steady_clock::duration aDuration)
{
    auto nanoseconds = std::chrono::duration_cast<std::chrono::nanoseconds>(aDuration).count();
    if (nanoseconds < 0)
        nanoseconds = 0;
    timespec result;
    result.tv_sec = static_cast<time_t>(nanoseconds / 1000000000);
    result.tv_nsec = static_cast<long>(nanoseconds % 1000000000);
    return result;
}

void closeDescriptor(int& aDescriptor)
{
    if (aDescriptor >= 0)
        ::close(aDescriptor);
    aDescriptor = -1;
}
}

UnitEmulator::UnitEmulator()
{
    try
    {
        myMaster = posix_openpt(O_RDWR | O_NOCTTY);
        if (myMaster < 0)
            throw systemError("posix_openpt");
        if (fcntl(myMaster, F_SETFD, FD_CLOEXEC) != 0 || grantpt(myMaster) != 0 || unlockpt(myMaster) != 0)
            throw systemError("preparing the pseudo-terminal");
        char name[256];
        if (ptsname_r(myMaster, name, sizeof name) != 0)
            throw systemError("ptsname_r");
        myDevicePath = name;
        if (!makeRaw(myMaster))
            throw systemError("raw mode on the master side");
        mySlave = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
        if (mySlave < 0)
            throw systemError("opening " + myDevicePath);
        // The slave starts in cooked mode with echo; a serial line is raw.
        if (!makeRaw(mySlave))
            throw systemError("raw mode on the slave side");
        if (fcntl(myMaster, F_SETFL, O_NONBLOCK) != 0)
            throw systemError("non-blocking master");
        int wakePipe[2];
        if (pipe2(wakePipe, O_CLOEXEC | O_NONBLOCK) != 0)
            throw systemError("pipe2");
        myWakeRead = wakePipe[0];
        myWakeWrite = wakePipe[1];
        myThread = std::thread(&UnitEmulator::serve, this);
    }
    catch (...)
    {
        closeAll();
        throw;
    }
}

UnitEmulator::~UnitEmulator()
{
    {
        std::lock_guard<std::mutex> lock(myMutex);
        myStopping = true;
    }
    wake();
    if (myThread.joinable())
        myThread.join();
    closeAll();
}

void UnitEmulator::closeAll()
{
    closeDescriptor(myMaster);
    closeDescriptor(mySlave);
    closeDescriptor(myWakeRead);
    closeDescriptor(myWakeWrite);
}

EmulatedUnit& UnitEmulator::unit(uint16_t anAddress)
{
    EmulatedUnit* found = myLine.findUnit(anAddress);
    if (found == nullptr)
        throw std::invalid_argument("unit emulator: no unit at address " + std::to_string(anAddress));
    return *found;
}

const EmulatedUnit& UnitEmulator::unit(uint16_t anAddress) const
{
    const EmulatedUnit* found = myLine.findUnit(anAddress);
    if (found == nullptr)
        throw std::invalid_argument("unit emulator: no unit at address " + std::to_string(anAddress));
    return *found;
}

void UnitEmulator::addUnit(uint16_t anAddress, const ParameterMap& someValues)
{
    std::lock_guard<std::mutex> lock(myMutex);
    myLine.addUnit(anAddress).setValues(someValues);
}

void UnitEmulator::setValue(uint16_t anAddress, uint8_t aGroup, uint8_t anIndex, const Bytes& aValue)
{
    std::lock_guard<std::mutex> lock(myMutex);
    unit(anAddress).setValue({aGroup, anIndex}, aValue);
}

void UnitEmulator::setValues(uint16_t anAddress, const ParameterMap& someValues)
{
    std::lock_guard<std::mutex> lock(myMutex);
    unit(anAddress).setValues(someValues);
}

std::optional<Bytes> UnitEmulator::value(uint16_t anAddress, uint8_t aGroup, uint8_t anIndex) const
{
    std::lock_guard<std::mutex> lock(myMutex);
    return unit(anAddress).value({aGroup, anIndex});
}

ParameterMap UnitEmulator::values(uint16_t anAddress) const
{
    std::lock_guard<std::mutex> lock(myMutex);
    return unit(anAddress).values();
}

void UnitEmulator::setIdentification(uint16_t anAddress, const std::string& aDeviceType, const std::string& aVersion,
                                     uint8_t aGroup)
{
    std::lock_guard<std::mutex> lock(myMutex);
    unit(anAddress).setIdentification(aDeviceType, aVersion, aGroup);
}

void UnitEmulator::injectFault(uint16_t anAddress, const UnitFault& aFault)
{
    std::lock_guard<std::mutex> lock(myMutex);
    unit(anAddress).injectFault(aFault);
}

void UnitEmulator::clearFaults(uint16_t anAddress)
{
    std::lock_guard<std::mutex> lock(myMutex);
    unit(anAddress).clearFaults();
}

void UnitEmulator::setBaudRate(unsigned aBaudRate)
{
    std::lock_guard<std::mutex> lock(myMutex);
    myBaudRate = aBaudRate;
}

UnitEmulator::Counts UnitEmulator::counts() const
{
    std::lock_guard<std::mutex> lock(myMutex);
    return myCounts;
}

std::vector<UnitEmulator::LogEntry> UnitEmulator::log() const
{
    std::lock_guard<std::mutex> lock(myMutex);
    return myLine.log();
}

Bytes UnitEmulator::bytesReceived() const
{
    std::lock_guard<std::mutex> lock(myMutex);
    return myLine.received();
}

void UnitEmulator::clearLog()
{
    std::lock_guard<std::mutex> lock(myMutex);
    myLine.clearLog();
}

void UnitEmulator::setDownloadAnswer(uint16_t anAddress, const Bytes& anAnswer)
{
    std::lock_guard<std::mutex> lock(myMutex);
    unit(anAddress).setDownloadAnswer(anAnswer);
}

void UnitEmulator::enterDownloadMode(uint16_t anAddress)
{
    {
        std::lock_guard<std::mutex> lock(myMutex);
        unit(anAddress).enterDownloadMode(myOutbox);
    }
    wake();
}

bool UnitEmulator::inDownloadMode(uint16_t anAddress) const
{
    std::lock_guard<std::mutex> lock(myMutex);
    return unit(anAddress).inDownloadMode();
}

std::vector<EmulatedUnit::Write> UnitEmulator::writes(uint16_t anAddress) const
{
    std::lock_guard<std::mutex> lock(myMutex);
    return unit(anAddress).writes();
}

std::vector<std::string> UnitEmulator::downloadLines(uint16_t anAddress) const
{
    std::lock_guard<std::mutex> lock(myMutex);
    return unit(anAddress).downloadLines();
}

Bytes UnitEmulator::integer(int aValue)
{
    return Bytes{static_cast<uint8_t>((aValue >> 8) & 0xFF), static_cast<uint8_t>(aValue & 0xFF)};
}

Bytes UnitEmulator::text(const std::string& aText) { return Bytes(aText.begin(), aText.end()); }

bool UnitEmulator::stopping() const
{
    std::lock_guard<std::mutex> lock(myMutex);
    return myStopping;
}

void UnitEmulator::wake()
{
    const char signal = 1;
    // A full pipe already holds a wake-up, so a failed write loses nothing.
    ssize_t written = ::write(myWakeWrite, &signal, 1);
    static_cast<void>(written);
}

UnitEmulator::Clock::duration UnitEmulator::byteTime() const
{
    std::lock_guard<std::mutex> lock(myMutex);
    if (myBaudRate == 0)
        return Clock::duration::zero();
    // Start bit, 8 data bits, stop bit.
    return std::chrono::duration_cast<Clock::duration>(std::chrono::nanoseconds(10000000000LL / myBaudRate));
}

void UnitEmulator::serve()
{
    // Timer slack is per thread and 50 us by default: every paced byte
    // would leave that much late.
    prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
    while (!stopping())
    {
        EmulatedUnit::Answers answers;
        bool midMessage = false;
        bool hungUp = false;
        {
            std::lock_guard<std::mutex> lock(myMutex);
            answers.swap(myOutbox);
            midMessage = myLine.isMidMessage();
            hungUp = myHungUp;
        }
        if (hungUp)
        {
            waitFor(-1, 0, Clock::time_point::max());
            continue;
        }
        if (!answers.empty())
        {
            send(answers);
            continue;
        }
        Clock::time_point deadline = Clock::time_point::max();
        if (midMessage)
        {
            deadline = myLastByte + messagePause;
            if (Clock::now() >= deadline)
            {
                {
                    std::lock_guard<std::mutex> lock(myMutex);
                    myLine.pause(answers);
                }
                send(answers);
                continue;
            }
        }
        if (waitFor(myMaster, POLLIN, deadline) && !receive())
        {
            // The master side failed; keep from spinning until told to stop.
            waitUntil(Clock::now() + std::chrono::milliseconds(10));
        }
    }
}

void UnitEmulator::setPacedReception(bool aPaced)
{
    std::lock_guard<std::mutex> lock(myMutex);
    myPacedReception = aPaced;
}

bool UnitEmulator::receive()
{
    uint8_t buffer[4096];
    std::size_t room = sizeof buffer;
    bool paced = false;
    {
        std::lock_guard<std::mutex> lock(myMutex);
        paced = myPacedReception && myBaudRate != 0;
    }
    // Bytes found waiting while the wire was still busy crossed it right
    // after the ones before: their time follows on from there, however late
    // this thread wakes. Only bytes that find the wire idle start when read.
    bool queued = false;
    if (paced)
    {
        // What was taken before is still on the wire: the rest waits in the line's buffer.
        if (myReceiveWireEnd > Clock::now())
        {
            if (!waitUntil(myReceiveWireEnd))
                return true;
            queued = true;
        }
        room = pacedChunk;
    }
    ssize_t count = ::read(myMaster, buffer, room);
    if (count < 0 && (errno == EAGAIN || errno == EINTR))
        return true;
    if (count <= 0)
        return false;
    Clock::time_point now = Clock::now();
    myLastByte = now;
    Clock::duration perByte = byteTime();
    const Clock::time_point start = queued ? myReceiveWireEnd : std::max(myReceiveWireEnd, now);
    EmulatedUnit::Answers answers;
    {
        std::lock_guard<std::mutex> lock(myMutex);
        if (myCounts.bytesReceived == 0)
            myCounts.firstReceived = start;
        else if (start > myReceiveWireEnd)
            myCounts.receptionIdle += start - myReceiveWireEnd;
        myReceiveWireEnd = start + perByte * count;
        myCounts.receivedWireEnd = myReceiveWireEnd;
        myCounts.bytesReceived += static_cast<uint64_t>(count);
        myLine.receive(Bytes(buffer, buffer + count), answers);
    }
    send(answers);
    return true;
}

void UnitEmulator::send(const EmulatedUnit::Answers& someAnswers)
{
    for (const EmulatedUnit::Answer& answer : someAnswers)
    {
        if (answer.delay.count() > 0)
        {
            {
                std::lock_guard<std::mutex> lock(myMutex);
                myCounts.addedDelay += answer.delay;
            }
            if (!waitUntil(Clock::now() + answer.delay))
                return;
        }
        if (answer.hangUp)
        {
            closeLine();
            return;
        }
        Clock::duration perByte = byteTime();
        std::size_t sent = 0;
        // Bytes are counted before they go out: whoever has read them then
        // finds them counted.
        const auto write = [this](const uint8_t* someBytes, std::size_t aCount) {
            {
                std::lock_guard<std::mutex> lock(myMutex);
                myCounts.bytesSent += aCount;
            }
            if (writeAll(someBytes, aCount))
                return true;
            std::lock_guard<std::mutex> lock(myMutex);
            myCounts.bytesSent -= aCount;
            return false;
        };
        if (perByte == Clock::duration::zero())
        {
            if (write(answer.bytes.data(), answer.bytes.size()))
                sent = answer.bytes.size();
        }
        else
        {
            // No answer before the question has crossed the wire; each byte
            // reaches the other end one byte time after the one before.
            Clock::time_point start = std::max(Clock::now(), myReceiveWireEnd);
            for (uint8_t byte : answer.bytes)
            {
                Clock::time_point due = std::max(start, mySendWireEnd) + perByte;
                // A late byte inside an answer only gathers with the rest;
                // a late last byte keeps the other side waiting.
                bool last = sent + 1 == answer.bytes.size();
                if (!(last ? waitPunctually(due) : waitUntil(due)) || !write(&byte, 1))
                    break;
                mySendWireEnd = due;
                ++sent;
            }
        }
        if (sent != answer.bytes.size())
            return;
    }
}

bool UnitEmulator::writeAll(const uint8_t* someBytes, std::size_t aCount)
{
    while (aCount > 0)
    {
        ssize_t written = ::write(myMaster, someBytes, aCount);
        if (written > 0)
        {
            someBytes += written;
            aCount -= static_cast<std::size_t>(written);
        }
        else if (written < 0 && errno == EAGAIN)
        {
            // The reader is behind; wait for room (or for the end).
            if (!waitFor(myMaster, POLLOUT, Clock::time_point::max()) && stopping())
                return false;
        }
        else if (!(written < 0 && errno == EINTR))
            return false;
    }
    return true;
}

bool UnitEmulator::waitUntil(Clock::time_point aDeadline)
{
    while (Clock::now() < aDeadline)
        if (!waitFor(-1, 0, aDeadline) && stopping())
            return false;
    return !stopping();
}

bool UnitEmulator::waitPunctually(Clock::time_point aDeadline)
{
    if (!waitUntil(aDeadline - punctualLead))
        return false;
    // At most punctualLead of watching the clock, never past the deadline's
    // own moment: the byte still leaves no earlier than it is due.
    while (Clock::now() < aDeadline)
    {
    }
    return true;
}

// Waits until aDescriptor has anEvents (true), or until the deadline passes or a
// wake-up arrives (false). With aDescriptor -1 only the deadline and wake-ups count.
bool UnitEmulator::waitFor(int aDescriptor, short anEvents, Clock::time_point aDeadline)
{
    pollfd descriptors[2] = {{myWakeRead, POLLIN, 0}, {aDescriptor, anEvents, 0}};
    nfds_t count = aDescriptor >= 0 ? 2 : 1;
    timespec timeout;
    timespec* limit = nullptr;
    if (aDeadline != Clock::time_point::max())
    {
        timeout = toTimespec(aDeadline - Clock::now());
        limit = &timeout;
    }
    int ready = ppoll(descriptors, count, limit, nullptr);
    if (ready <= 0)
        return false;
    if (descriptors[0].revents & POLLIN)
    {
        char drained[64];
        while (::read(myWakeRead, drained, sizeof drained) > 0)
        {
        }
    }
    return count == 2 && descriptors[1].revents != 0;
}

void UnitEmulator::closeLine()
{
    std::lock_guard<std::mutex> lock(myMutex);
    closeDescriptor(myMaster);
    closeDescriptor(mySlave);
    myHungUp = true;
}
}
