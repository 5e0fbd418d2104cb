#include "Platform/SerialLine.h"

#include "Platform/ProfileStore.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iostream>
#include <optional>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace Platform
{
namespace
{
std::string& programNameSetting()
{
    static std::string theName = "Tessiva";
    return theName;
}

speed_t standardRateCode(unsigned aBaudRate)
{
    switch (aBaudRate)
    {
    case 1200: return B1200;
    case 2400: return B2400;
    case 4800: return B4800;
    case 9600: return B9600;
    case 19200: return B19200;
    case 38400: return B38400;
    case 57600: return B57600;
    case 115200: return B115200;
    default: return B0;
    }
}

// The character size and stop bits of aSettings; nothing for a framing that
// a terminal cannot carry.
std::optional<tcflag_t> framingFlags(const LineSettings& aSettings)
{
    const tcflag_t sizes[] = {CS5, CS6, CS7, CS8};
    if (aSettings.dataBits < 5 || aSettings.dataBits > 8 || aSettings.stopBits < 1 || aSettings.stopBits > 2)
    {
        return std::nullopt;
    }
    return sizes[aSettings.dataBits - 5] | (aSettings.stopBits == 2 ? tcflag_t(CSTOPB) : tcflag_t(0));
}

// The kernel's own terminal settings with a free baud rate (not glibc's
// struct termios, whose control-character array is longer). Its layout is
// the generic one, shared by the architectures listed below.
#if defined(__x86_64__) || defined(__i386__) || defined(__aarch64__) || defined(__arm__) || defined(__riscv)
#define VORNA_HAVE_ARBITRARY_RATE 1
struct KernelTermios
{
    tcflag_t c_iflag;
    tcflag_t c_oflag;
    tcflag_t c_cflag;
    tcflag_t c_lflag;
    cc_t c_line;
    cc_t c_cc[19];
    speed_t c_ispeed;
    speed_t c_ospeed;
};
const unsigned long getKernelTermios = _IOR('T', 0x2A, KernelTermios);
const unsigned long setKernelTermios = _IOW('T', 0x2B, KernelTermios);
const tcflag_t otherRate = 0x1000;  // the kernel's code for "rate given in c_ospeed"
const int inputRateShift = 16;
#endif
}

SerialLine::SerialLine()
    : mySettings(std::make_unique<struct termios>())
{
}

SerialLine::~SerialLine()
{
    close();
}

bool SerialLine::open(const std::string& aDevicePath)
{
    if (myDescriptor >= 0 || aDevicePath.empty())
    {
        return false;
    }
    myPath = aDevicePath;
    const int descriptor = ::open(aDevicePath.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
    {
        return fail("open", errno);
    }
    // The lock keeps out every other opener, privileged ones included; the
    // terminal's exclusive mode also refuses ordinary ones that do not lock.
    if (::flock(descriptor, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK)
    {
        ::close(descriptor);
        return fail("lock (in use)", EWOULDBLOCK);
    }
    ::ioctl(descriptor, TIOCEXCL);
    myDescriptor = descriptor;
    myGone = false;
    return true;
}

bool SerialLine::fail(const char* aStep, int anErrorNumber)
{
    myLastError = std::string(aStep) + ": " + std::strerror(anErrorNumber);
    std::cerr << "Serial line " << myPath << ": " << myLastError << '\n';
    return false;
}

bool SerialLine::isOpen() const
{
    return myDescriptor >= 0;
}

bool SerialLine::loadSettings()
{
    if (myDescriptor < 0)
    {
        return false;
    }
    return ::tcgetattr(myDescriptor, mySettings.get()) == 0 || fail("read settings", errno);
}

bool SerialLine::applySettings(const LineSettings& aSettings)
{
    const std::optional<tcflag_t> framing = framingFlags(aSettings);
    if (myDescriptor < 0 || aSettings.baudRate == 0 || !framing)
    {
        return false;
    }
    struct termios settings = *mySettings;
    // Frames are binary: no translation, no echo, no software flow control.
    settings.c_iflag &= ~(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | IXON | IXOFF | IXANY | INPCK);
    settings.c_oflag &= ~OPOST;
    settings.c_lflag &= ~(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
    settings.c_cflag &= ~(CSIZE | PARENB | CSTOPB);
    settings.c_cflag |= *framing | CREAD | CLOCAL;
    // With at least one byte due, a non-blocking read tells "nothing yet"
    // (EAGAIN) apart from a line that has hung up.
    settings.c_cc[VMIN] = 1;
    settings.c_cc[VTIME] = 0;

    const speed_t code = standardRateCode(aSettings.baudRate);
    if (code != B0 && (::cfsetispeed(&settings, code) != 0 || ::cfsetospeed(&settings, code) != 0))
    {
        return false;
    }
    if (::tcsetattr(myDescriptor, TCSANOW, &settings) != 0)
    {
        return fail("apply settings", errno);
    }
    // tcsetattr succeeds when any of the changes took: check the ones we rely on.
    struct termios applied;
    if (::tcgetattr(myDescriptor, &applied) != 0 ||
        (applied.c_cflag & (CSIZE | PARENB | CSTOPB)) != *framing || (applied.c_lflag & (ICANON | ECHO)) != 0)
    {
        return false;
    }
    if (code != B0 ? ::cfgetospeed(&applied) != code : !setArbitraryRate(aSettings.baudRate))
    {
        return false;
    }
    myLineSettings = aSettings;
    return true;
}

bool SerialLine::setArbitraryRate(unsigned aBaudRate)
{
#ifdef VORNA_HAVE_ARBITRARY_RATE
    KernelTermios settings;
    if (::ioctl(myDescriptor, getKernelTermios, &settings) != 0)
    {
        return false;
    }
    settings.c_cflag &= ~(CBAUD | (CBAUD << inputRateShift));
    settings.c_cflag |= otherRate | (otherRate << inputRateShift);
    settings.c_ispeed = aBaudRate;
    settings.c_ospeed = aBaudRate;
    if (::ioctl(myDescriptor, setKernelTermios, &settings) != 0 ||
        ::ioctl(myDescriptor, getKernelTermios, &settings) != 0)
    {
        return false;
    }
    return rateMatches(aBaudRate, settings.c_ospeed);
#else
    (void)aBaudRate;
    return false;
#endif
}

bool SerialLine::rateMatches(unsigned anAskedRate, unsigned aReportedRate)
{
    const unsigned long difference =
        aReportedRate > anAskedRate ? aReportedRate - anAskedRate : anAskedRate - aReportedRate;
    return difference * 50 <= anAskedRate;
}

bool SerialLine::setReadTimeout(unsigned aMilliseconds)
{
    if (myDescriptor < 0 && !myGone)
    {
        return false;
    }
    myReadTimeout = aMilliseconds;
    return true;
}

unsigned SerialLine::readTimeout() const
{
    return myReadTimeout;
}

bool SerialLine::await(short aEvents, Clock::time_point aDeadline)
{
    for (;;)
    {
        const Clock::time_point now = Clock::now();
        if (now >= aDeadline)
        {
            return false;
        }
        const std::chrono::nanoseconds left = std::chrono::duration_cast<std::chrono::nanoseconds>(aDeadline - now);
        struct timespec timeout;
        timeout.tv_sec = static_cast<time_t>(left.count() / 1000000000);
        timeout.tv_nsec = static_cast<long>(left.count() % 1000000000);
        struct pollfd entry;
        entry.fd = myDescriptor;
        entry.events = aEvents;
        entry.revents = 0;
        const int result = ::ppoll(&entry, 1, &timeout, nullptr);
        if (result < 0 && errno == EINTR)
        {
            continue;
        }
        if (result <= 0)
        {
            return false;
        }
        if ((entry.revents & aEvents) != 0)
        {
            return true;
        }
        // Hung up or failed: nothing more will come.
        myGone = true;
        return false;
    }
}

std::size_t SerialLine::read(unsigned char* aBuffer, std::size_t aCount)
{
    return readWithin(aBuffer, aCount, std::chrono::milliseconds(myReadTimeout), false);
}

std::size_t SerialLine::readBlock(unsigned char* aBuffer, std::size_t aCount)
{
    return readWithin(aBuffer, aCount, std::chrono::milliseconds(myReadTimeout) + wireTime(aCount), true);
}

std::size_t SerialLine::readWithin(unsigned char* aBuffer, std::size_t aCount, Clock::duration aTimeout, bool aBlock)
{
    // A device that is back but fails again at once is opened once per read
    // at most: opening it over and over would never end.
    bool reopened = myGone;
    if (aBuffer == nullptr || aCount == 0 || !reconnectIfGone())
    {
        return 0;
    }
    // The unit answers what was written once it has heard it all.
    const Clock::time_point deadline = std::max(Clock::now(), myWireEnd) + aTimeout;
    std::size_t received = 0;
    bool gathered = false;
    // While what was written is still on the wire, the answer to it cannot
    // have come yet: wait for it rather than look for it first. The reading
    // below sees what the wait found, a time-out or a hang-up, as before.
    if (Clock::now() < myWireEnd)
    {
        await(POLLIN, deadline);
    }
    while (received < aCount)
    {
        const ssize_t result = readDevice(myDescriptor, aBuffer + received, aCount - received);
        if (result > 0)
        {
            received += static_cast<std::size_t>(result);
            // The rest of a frame comes at the line's pace: rather than wake
            // for every byte, let all but the last gather for as long as they
            // need on the wire, and wait for the last one as for any other.
            const Clock::duration rest = wireTime(aCount - received) - wireTime(1);
            if (received < aCount && rest >= std::chrono::milliseconds(1))
            {
                const Clock::time_point now = Clock::now();
                if (now < deadline)
                {
                    std::this_thread::sleep_for(std::min<Clock::duration>(rest, deadline - now));
                }
            }
            continue;
        }
        if (result < 0 && errno == EINTR)
        {
            continue;
        }
        // With a byte due, an empty line answers EAGAIN; an end of file or
        // any other failure means that the line has hung up.
        if (result == 0 || errno != EAGAIN)
        {
            myGone = true;
        }
        else if (aBlock && received == 0 && !gathered)
        {
            // A block comes in one go, right behind what was read before it:
            // give it its whole time on the wire and take it in one look,
            // instead of waking for its first byte and again for the rest.
            gathered = true;
            const Clock::time_point now = Clock::now();
            if (now < deadline)
            {
                std::this_thread::sleep_for(std::min<Clock::duration>(wireTime(aCount), deadline - now));
            }
            continue;
        }
        else if (await(POLLIN, deadline))
        {
            continue;
        }
        // A device back under its path may still answer within the time.
        if (!myGone || reopened || Clock::now() >= deadline || !reconnectIfGone())
        {
            break;
        }
        reopened = true;
    }
    if (received < aCount && !myGone)
    {
        checkPath();
    }
    return received;
}

ssize_t SerialLine::readDevice(int aDescriptor, void* aBuffer, std::size_t aCount)
{
    return ::read(aDescriptor, aBuffer, aCount);
}

SerialLine::Clock::duration SerialLine::wireTime(std::size_t aCount) const
{
    // Before any rate is set, allow for the slowest the programs offer.
    const std::uint32_t rate = myLineSettings.baudRate != 0 ? myLineSettings.baudRate : offeredRates[0].baudRate;
    return std::chrono::microseconds(static_cast<long long>(aCount) * myLineSettings.bitsPerByte() * 1000000 / rate);
}

bool SerialLine::write(const unsigned char* aBytes, std::size_t aCount)
{
    if (aBytes == nullptr && aCount != 0)
    {
        return false;
    }
    if (!reconnectIfGone())
    {
        return false;
    }
    if (send(aBytes, aCount))
    {
        return true;
    }
    // The device may have gone since the last exchange without anything read
    // noticing: the write is where that shows first.
    if (!myGone)
    {
        checkPath();
    }
    return myGone && reconnectIfGone() && send(aBytes, aCount);
}

bool SerialLine::drain()
{
    if (myDescriptor < 0)
    {
        return false;
    }
    return waitUntilSent(myWireEnd, std::max(Clock::now(), myWireEnd) + std::chrono::seconds(1));
}

bool SerialLine::reconnectIfGone()
{
    if (!myGone)
    {
        return myDescriptor >= 0;
    }
    const std::string path = myPath;
    closeDescriptor();
    if (open(path) && loadSettings() && (myLineSettings.baudRate == 0 || applySettings(myLineSettings)))
    {
        return true;
    }
    closeDescriptor();
    myGone = true;
    return false;
}

void SerialLine::checkPath()
{
    if (myDescriptor >= 0 && pathNamesAnotherDevice())
    {
        myGone = true;
    }
}

bool SerialLine::pathNamesAnotherDevice() const
{
    // A path that names nothing now leaves the line as it is: if its device
    // is gone too, the next read or write says so.
    struct stat named;
    struct stat held;
    if (::stat(myPath.c_str(), &named) != 0 || ::fstat(myDescriptor, &held) != 0)
    {
        return false;
    }
    return named.st_dev != held.st_dev || named.st_ino != held.st_ino || named.st_rdev != held.st_rdev;
}

bool SerialLine::send(const unsigned char* aBytes, std::size_t aCount)
{
    // Writes have no time-out of their own; a line that cannot take the bytes
    // in twice their wire time and a second more, once the bytes before them
    // are due to have left, has stopped (flow control held, a hung-up device),
    // and waiting longer would hang the caller.
    const Clock::time_point previousEnd = myWireEnd;
    const Clock::time_point deadline =
        std::max(Clock::now(), previousEnd) + 2 * wireTime(aCount) + std::chrono::seconds(1);
    if (!waitUntilSent(previousEnd, deadline))
    {
        return fail("write", ETIMEDOUT);
    }
    // These bytes follow those still on the wire without a gap.
    const Clock::time_point end = std::max(Clock::now(), previousEnd) + wireTime(aCount);
    std::size_t sent = 0;
    while (sent < aCount)
    {
        const ssize_t result = ::write(myDescriptor, aBytes + sent, aCount - sent);
        if (result > 0)
        {
            sent += static_cast<std::size_t>(result);
            continue;
        }
        if (result < 0 && errno == EINTR)
        {
            continue;
        }
        if (result < 0 && errno == EAGAIN && await(POLLOUT, deadline))
        {
            continue;
        }
        const int reason = result < 0 ? errno : EIO;
        if (reason == EIO || reason == ENXIO || reason == ENODEV || reason == EPIPE)
        {
            myGone = true;
        }
        return fail("write", reason);
    }
    myWireEnd = end;
    return true;
}

bool SerialLine::waitUntilSent(Clock::time_point anEnd, Clock::time_point aDeadline) const
{
    // The next bytes go out only as the ones before leave, so that the writer
    // is never more than one write ahead of a slow line, within reach of
    // anyone who wants to stop it (a pseudo-terminal would take seconds of
    // bytes at once). They go a moment early, while the last few of those
    // bytes are still on the wire, so that a late wake-up leaves no gap.
    // Not every line can tell how much it still holds (a pseudo-terminal says
    // nothing; a port's own buffer is not counted), so the bytes' time on the
    // wire is waited out as well.
    const Clock::duration lead = std::max<Clock::duration>(wireTime(leadBytes), std::chrono::milliseconds(1));
    const Clock::time_point now = Clock::now();
    if (now < anEnd - lead)
    {
        std::this_thread::sleep_for(anEnd - lead - now);
    }
    for (;;)
    {
        int pending = 0;
        if (::ioctl(myDescriptor, TIOCOUTQ, &pending) != 0 || pending <= static_cast<int>(leadBytes))
        {
            return true;
        }
        const Clock::time_point later = Clock::now();
        if (later >= aDeadline)
        {
            return false;
        }
        const Clock::duration nap = std::max<Clock::duration>(
            wireTime(static_cast<std::size_t>(pending) - leadBytes), std::chrono::microseconds(200));
        std::this_thread::sleep_for(std::min<Clock::duration>(nap, aDeadline - later));
    }
}

void SerialLine::close()
{
    myGone = false;
    closeDescriptor();
}

void SerialLine::closeDescriptor()
{
    if (myDescriptor < 0)
    {
        return;
    }
    // The exclusive mode outlives this descriptor on a terminal that someone
    // else still holds open; give it up so that the next open succeeds.
    ::ioctl(myDescriptor, TIOCNXCL);
    ::close(myDescriptor);
    myDescriptor = -1;
}

std::string SerialLine::devicePath(unsigned aPortNumber)
{
    if (aPortNumber == 0)
    {
        return std::string();
    }
    const std::string name = "COM" + std::to_string(aPortNumber);
    const std::string configured = ProfileStore(programName()).getString("Ports", name, "");
    if (!configured.empty())
    {
        return configured;
    }
    return "/dev/ttyS" + std::to_string(aPortNumber - 1);
}

void SerialLine::setProgramName(const std::string& aProgramName)
{
    programNameSetting() = aProgramName;
}

std::string SerialLine::programName()
{
    return programNameSetting();
}
}
