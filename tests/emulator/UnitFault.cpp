#include "tests/emulator/UnitFault.h"

namespace Emulator
{
UnitFault::UnitFault(Kind aKind, int aCount) : myKind(aKind), myCount(aCount) {}

UnitFault UnitFault::busy(int aCount, uint8_t aByte)
{
    UnitFault fault(Busy, aCount);
    fault.myByte = aByte;
    return fault;
}

UnitFault UnitFault::silent(int aCount) { return UnitFault(Silent, aCount); }

UnitFault UnitFault::slow(std::chrono::milliseconds aDelay, int aCount)
{
    UnitFault fault(Slow, aCount);
    fault.myDelay = aDelay;
    return fault;
}

UnitFault UnitFault::refuseAck(uint8_t aByte, int aCount)
{
    UnitFault fault(RefuseAck, aCount);
    fault.myByte = aByte;
    return fault;
}

UnitFault UnitFault::pollAnswer(uint8_t aByte, int aCount)
{
    UnitFault fault(PollAnswer, aCount);
    fault.myByte = aByte;
    return fault;
}

UnitFault UnitFault::badChecksum(int aCount) { return UnitFault(BadChecksum, aCount); }

UnitFault UnitFault::truncatedFrame(std::size_t aKeptBytes, int aCount)
{
    UnitFault fault(TruncatedFrame, aCount);
    fault.myKeptBytes = aKeptBytes;
    return fault;
}

UnitFault UnitFault::overlongFrame(const Bytes& someExtraBytes, int aCount)
{
    UnitFault fault(OverlongFrame, aCount);
    fault.myBytes = someExtraBytes;
    return fault;
}

UnitFault UnitFault::wrongStart(uint8_t aByte, int aCount)
{
    UnitFault fault(WrongStart, aCount);
    fault.myByte = aByte;
    return fault;
}

UnitFault UnitFault::garbage(const Bytes& someNoise, int aCount)
{
    UnitFault fault(Garbage, aCount);
    fault.myBytes = someNoise;
    return fault;
}

UnitFault UnitFault::hangUp() { return UnitFault(HangUp, 1); }

bool UnitFault::consume()
{
    if (myCount == 0)
        return false;
    if (myCount > 0)
        --myCount;
    return true;
}
}
