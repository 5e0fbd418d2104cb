#pragma once

#include "tests/emulator/UnitLine.h"
#include "tests/fuzz/LineRecords.h"
#include "tests/fuzz/VirtualTime.h"

#include "Toolkit/Link/SerialDeviceImplementation.h"

#include <cstdint>
#include <deque>

// A line to emulated units, in memory: what the program writes goes to the
// units at once and their answers come back on the next reads. Everything the
// units send is recorded as the records a PlayedLine plays back, frames as
// frames, so a recorded conversation is a seed that mutates into hostile ones.
class RecordingLine : public SerialDeviceImplementation
{
public:
    // A read that ends short moves aTime on by the read time-out.
    RecordingLine(Emulator::UnitLine& aLine, VirtualTime& aTime) : myLine(aLine), myTime(aTime) {}

    void setTimeouts(std::uint32_t aMilliseconds) override { myTimeout = aMilliseconds; }
    void write(const unsigned char* aBytes, std::uint32_t aCount) override;
    std::uint32_t read(unsigned char* aBuffer, std::uint32_t aCount) override;

    const std::string& records() const { return myRecords.records(); }

private:
    void take(const Emulator::EmulatedUnit::Answers& someAnswers);

    Emulator::UnitLine& myLine;
    VirtualTime& myTime;
    std::uint32_t myTimeout = 0;
    std::deque<unsigned char> myIncoming;
    LineRecords myRecords;
};
