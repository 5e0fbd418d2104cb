#pragma once

#include "Toolkit/Link/SerialDeviceImplementation.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

// An in-memory serial line: records every write and delivers scripted answers.
// A read takes what is pending (up to its count) and never waits; with nothing
// pending it returns 0 at once, as a real read does after its time-out.
class FakeSerialLine : public SerialDeviceImplementation
{
public:
    // Bytes the "unit" sends, delivered in order.
    void answer(const std::string& aBytes);
    // Runs after every write, e.g. to answer a line as a unit would.
    void onWrite(const std::function<void(const std::string& aBytes)>& aReaction);

    // All bytes written, and each write on its own.
    std::string written() const;
    const std::vector<std::string>& writes() const { return myWrites; }
    std::size_t pending() const { return myIncoming.size(); }
    std::size_t readCount() const { return myReadCount; }
    // The read time-out last set; 0 until one is set.
    std::uint32_t timeout() const { return myTimeout; }

    void setTimeouts(std::uint32_t aMilliseconds) override;
    void write(const unsigned char* aBytes, std::uint32_t aCount) override;
    std::uint32_t read(unsigned char* aBuffer, std::uint32_t aCount) override;

private:
    std::deque<char> myIncoming;
    std::vector<std::string> myWrites;
    std::function<void(const std::string&)> myReaction;
    std::size_t myReadCount = 0;
    std::uint32_t myTimeout = 0;
};
