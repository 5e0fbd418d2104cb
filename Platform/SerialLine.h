#pragma once

#include "Platform/LineSettings.h"

#include <chrono>
#include <cstddef>
#include <memory>
#include <string>
#include <sys/types.h>

struct termios;

namespace Platform
{
// One serial line, opened exclusively: raw bytes without parity, at the rate
// and framing of its LineSettings. The steps follow what the port layer above
// expects of a communications port: open, read the line settings, apply them
// with ours, set the read time-out, read, write, close. Each step reports failure
// by its result and leaves the message to the caller; the operating system's
// reason is kept for diagnostics and written to standard error.
//
// A read waits until the requested count has arrived or the read time-out
// has passed in total, counted from when the bytes written before it have
// left. A write sends every byte or fails. It waits until the bytes of the
// write before it have left (no sooner than their time on the wire at the
// line's rate, the slowest offered rate before one is applied), then returns
// as soon as its own are on their way. So the line does not stand idle while
// the writer does its work between writes, and the writer is never more than
// one write ahead of the wire.
//
// A line whose device is gone (hung up, unplugged, or its path now naming
// another device) is opened again from the same path, with the same settings
// and read time-out, by the next read or write. The path is looked at again
// only when an exchange fails (a read that comes back short, a write that
// fails), not on every write. Until the reopening succeeds, reads return
// nothing at once and writes fail. A line that is only silent is left as it is.
class SerialLine
{
public:
    SerialLine();
    virtual ~SerialLine();
    SerialLine(const SerialLine&) = delete;
    SerialLine& operator=(const SerialLine&) = delete;

    // False when the device does not exist, cannot be opened or is in use.
    [[nodiscard]] bool open(const std::string& aDevicePath);
    bool isOpen() const;

    // Reads the line's present settings; false when the device has none
    // (it is not a terminal).
    [[nodiscard]] bool loadSettings();
    // Applies the settings read by loadSettings, made raw, without parity,
    // with the rate and framing of aSettings. Hardware flow control stays as
    // the line had it. Rates without a standard code go through the
    // arbitrary-rate interface; false when the line refuses the rate or the
    // settings.
    bool applySettings(const LineSettings& aSettings);

    // As last applied; no rate before that.
    const LineSettings& lineSettings() const { return myLineSettings; }

    // Also kept for the reopening while the device is gone.
    bool setReadTimeout(unsigned aMilliseconds);
    unsigned readTimeout() const;

    // The device went away and could not be opened again yet.
    bool isGone() const { return myGone; }

    // Returns how many bytes arrived (0 on a silent line, or at once on a
    // line that has hung up). Never reports an error.
    std::size_t read(unsigned char* aBuffer, std::size_t aCount);
    // As read, with the time aCount bytes take on the wire at the line's baud
    // rate added to the read time-out: for a block sent in one go.
    std::size_t readBlock(unsigned char* aBuffer, std::size_t aCount);
    // False when the line fails or cannot take the bytes within a generous
    // allowance for their time on the wire. A gone device is opened again
    // first, and once more when it turns out gone during the write.
    [[nodiscard]] bool write(const unsigned char* aBytes, std::size_t aCount);
    // Waits as the next write would until the bytes written so far have all
    // but left, so that the writer can look at something once more before it
    // sends more; false when the line stopped taking them.
    bool drain();

    // Safe to call on a closed line; a closed line is not opened again.
    void close();

    // The step that failed last and the operating system's reason, e.g.
    // "open: Permission denied"; empty while nothing has failed.
    const std::string& lastError() const { return myLastError; }

    // The device path of the port "COMn": the value "COMn" of the profile
    // section "Ports" when set, else /dev/ttyS(n-1). Port 0 has no path.
    static std::string devicePath(unsigned aPortNumber);

    // Whether a line that reports aReportedRate after being asked for
    // anAskedRate speaks the asked rate: a driver may round to what its clock
    // can divide, but more than 2% off is another rate to the unit.
    static bool rateMatches(unsigned anAskedRate, unsigned aReportedRate);

    // The program whose profile maps the port names; "Tessiva" by default.
    static void setProgramName(const std::string& aProgramName);
    static std::string programName();

protected:
    // The one read of the device, as ::read; a test may stand in a device
    // that fails.
    virtual ssize_t readDevice(int aDescriptor, void* aBuffer, std::size_t aCount);

private:
    typedef std::chrono::steady_clock Clock;

    // How many of the bytes before may still be on the wire when the next
    // ones go out.
    static constexpr std::size_t leadBytes = 2;

    // Waits for aEvents on the line until aDeadline; false when the time is
    // up or the line has hung up (which marks the device gone).
    bool await(short aEvents, Clock::time_point aDeadline);
    // Opens the path again when the device is gone; false when the line is
    // still without a device.
    bool reconnectIfGone();
    // After a failed exchange: marks the device gone when the path names
    // another device now.
    void checkPath();
    bool pathNamesAnotherDevice() const;
    void closeDescriptor();
    bool send(const unsigned char* aBytes, std::size_t aCount);
    // Keeps aStep with the reason anErrorNumber gives, writes both to standard
    // error and returns false.
    bool fail(const char* aStep, int anErrorNumber);
    bool setArbitraryRate(unsigned aBaudRate);
    // aBlock: the bytes are sent in one go (readBlock).
    std::size_t readWithin(unsigned char* aBuffer, std::size_t aCount, Clock::duration aTimeout, bool aBlock);
    // Waits until the bytes written so far have all but left: not before
    // their last few are due off the wire at anEnd, nor while the line still
    // holds more than those; false when aDeadline passes first.
    bool waitUntilSent(Clock::time_point anEnd, Clock::time_point aDeadline) const;
    Clock::duration wireTime(std::size_t aCount) const;

    int myDescriptor = -1;
    // The device went away under the open line; the next write opens it again.
    bool myGone = false;
    unsigned myReadTimeout = 0;
    // When the last byte written is due off the wire.
    Clock::time_point myWireEnd;
    // As last applied; no rate before that.
    LineSettings myLineSettings;
    std::unique_ptr<struct termios> mySettings;
    std::string myPath;
    std::string myLastError;
};
}
