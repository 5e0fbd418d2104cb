#pragma once

#include "Toolkit/Link/SerialDeviceImplementation.h"
#include "Toolkit/Parameter/ByteString.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <initializer_list>
#include <vector>

class VirtualTime;

// An in-memory line for exact byte sequences and faults: it records every
// byte written and delivers scripted answers. A scripted silence ends the
// read that meets it (a read time-out); with nothing scripted, the line is
// silent. Reads never wait in real time; with a VirtualTime attached, each
// read that comes up short moves it on by the read time-out.
class FakeSerialDevice : public SerialDeviceImplementation
{
public:
    void answer(std::initializer_list<int> aBytes);
    void answer(const ByteString& aBytes);
    void silence();
    // Lets the fake react to each write (e.g. answer every poll).
    void onWrite(const std::function<void(const ByteString& aBytes)>& aReaction);
    // Writes then fail as a broken port's do.
    void failWrites(bool aFail);
    void attach(VirtualTime* aTime);

    const ByteString& written() const { return myWritten; }
    void clearWritten() { myWritten.clear(); }
    // How many bytes each read asked for, in order.
    const std::vector<std::uint32_t>& reads() const { return myReads; }
    std::uint32_t timeout() const { return myTimeout; }
    std::size_t pending() const;
    std::size_t count(const ByteString& aSequence) const;

    void setTimeouts(std::uint32_t aMilliseconds) override;
    void write(const unsigned char* aBytes, std::uint32_t aCount) override;
    std::uint32_t read(unsigned char* aBuffer, std::uint32_t aCount) override;

private:
    // -1 marks a silence.
    std::deque<int> myIncoming;
    ByteString myWritten;
    std::vector<std::uint32_t> myReads;
    std::uint32_t myTimeout = 0;
    bool myFailWrites = false;
    std::function<void(const ByteString&)> myReaction;
    VirtualTime* myTime = nullptr;
};

ByteString bytes(std::initializer_list<int> aBytes);
