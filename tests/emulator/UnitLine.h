#pragma once

// The shared line with every emulated unit on it: splits the bytes that the
// computer sends into selects, polls, transmit authorisations, frames, ACKs
// and download text lines, hands each one to the unit it is meant for, and
// logs all of it. No input or output and no clock: the emulator feeds it the
// bytes read from the pseudo-terminal and tells it when the line has paused.

#include "tests/emulator/EmulatedUnit.h"
#include "tests/emulator/UnitFrame.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace Emulator
{
class UnitLine
{
public:
    struct Entry
    {
        enum Kind
        {
            Select,    // FB and a unit's select string
            Poll,      // FB and a unit's poll string
            Authorize, // 09 after a select
            Ack,       // 04 from the computer
            Frame,     // a whole frame as received, STX to checksum
            Line,      // a download text line, without its line end
            Other      // anything else: unknown addresses, stray bytes, cut-off frames
        };
        Kind kind;
        uint16_t address; // the unit concerned, 0 when none is
        Bytes bytes;

        bool operator==(const Entry& anOther) const
        {
            return kind == anOther.kind && address == anOther.address && bytes == anOther.bytes;
        }
    };

    static constexpr uint8_t prefix = 0xFB;
    static constexpr uint8_t authorization = 0x09;

    EmulatedUnit& addUnit(uint16_t anAddress);
    EmulatedUnit* findUnit(uint16_t anAddress);
    const EmulatedUnit* findUnit(uint16_t anAddress) const;

    void receive(const Bytes& someBytes, EmulatedUnit::Answers& someAnswers);

    // True while a select, frame or text line is only partly received.
    bool isMidMessage() const;

    // The computer went quiet: a partial frame is dropped, a text line ends.
    void pause(EmulatedUnit::Answers& someAnswers);

    const std::vector<Entry>& log() const { return myLog; }
    const Bytes& received() const { return myReceived; }
    void clearLog();

private:
    enum class State
    {
        Idle,
        Address,
        Selected,
        FrameLength,
        FrameBody
    };

    void take(uint8_t aByte, EmulatedUnit::Answers& someAnswers);
    void takeAddress(EmulatedUnit::Answers& someAnswers);
    void takeFrame(EmulatedUnit::Answers& someAnswers);
    bool takeText(uint8_t aByte, EmulatedUnit::Answers& someAnswers);
    void endText(EmulatedUnit::Answers& someAnswers);
    EmulatedUnit* downloadingUnit();
    void logOther(uint8_t aByte);
    void addEntry(Entry::Kind aKind, uint16_t anAddress, const Bytes& someBytes);

    std::map<uint16_t, EmulatedUnit> myUnits;
    State myState = State::Idle;
    Bytes myMessage;
    EmulatedUnit* mySelected = nullptr;
    uint16_t myLastSender = 0;
    std::string myText;
    bool myInOther = false;
    std::vector<Entry> myLog;
    Bytes myReceived;
};
}
