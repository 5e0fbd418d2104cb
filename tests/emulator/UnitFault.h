#pragma once

// One misbehaviour of an emulated unit, made with the factory functions:
//
//     emulator.injectFault(0x8280, UnitFault::busy(3));              // 06 to the next 3 polls
//     emulator.injectFault(0x8280, UnitFault::busy(UnitFault::forever, 0x07));
//     emulator.injectFault(0x8280, UnitFault::badChecksum());        // the next answer frame
//
// The count (1 unless given) says on how many occasions the fault acts (each
// poll answered busy, each answer delayed, each frame spoilt, each exchange
// ignored, ...); UnitFault::forever keeps it until the unit's faults are cleared. A unit holds at most one fault of
// each kind: injecting another of the same kind replaces it.

#include "tests/emulator/UnitFrame.h"

#include <chrono>
#include <cstddef>
#include <cstdint>

namespace Emulator
{
class UnitFault
{
public:
    enum Kind
    {
        Busy,           // a poll is answered with the busy byte (06 or 07)
        Silent,         // the unit ignores what is addressed to it and answers nothing
        Slow,           // each answer goes out after a delay
        RefuseAck,      // a frame is answered with another byte (NAK by default) and not taken
        PollAnswer,     // a poll is answered with the given byte (05: error, 08 out of turn, ...)
        BadChecksum,    // the answer frame's checksum is off by one
        TruncatedFrame, // only the first bytes of the answer frame are sent
        OverlongFrame,  // the answer frame is followed by extra bytes
        WrongStart,     // the answer frame starts with another byte than STX
        Garbage,        // noise goes out before each answer
        HangUp          // the line is closed when the unit is next addressed
    };

    static constexpr int forever = -1;

    static UnitFault busy(int aCount = 1, uint8_t aByte = 0x06);
    static UnitFault silent(int aCount = 1);
    static UnitFault slow(std::chrono::milliseconds aDelay, int aCount = 1);
    static UnitFault refuseAck(uint8_t aByte = 0x15, int aCount = 1);
    static UnitFault pollAnswer(uint8_t aByte, int aCount = 1);
    static UnitFault badChecksum(int aCount = 1);
    static UnitFault truncatedFrame(std::size_t aKeptBytes, int aCount = 1);
    static UnitFault overlongFrame(const Bytes& someExtraBytes, int aCount = 1);
    static UnitFault wrongStart(uint8_t aByte, int aCount = 1);
    static UnitFault garbage(const Bytes& someNoise, int aCount = 1);
    static UnitFault hangUp();

    Kind kind() const { return myKind; }
    int count() const { return myCount; }
    uint8_t byte() const { return myByte; }
    const Bytes& bytes() const { return myBytes; }
    std::size_t keptBytes() const { return myKeptBytes; }
    std::chrono::milliseconds delay() const { return myDelay; }

    // Uses up one occasion; false once none is left.
    bool consume();

private:
    explicit UnitFault(Kind aKind, int aCount);

    Kind myKind;
    int myCount;
    uint8_t myByte = 0;
    Bytes myBytes;
    std::size_t myKeptBytes = 0;
    std::chrono::milliseconds myDelay{0};
};
}
