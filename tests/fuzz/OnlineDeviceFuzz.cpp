// A whole on-line KQ310, KQ330 or KQ350 opened over a line that plays the fuzz
// input in virtual time, then polled, edited, refreshed, saved and reported,
// so that its table and rules see hostile values.

#include "tests/fuzz/FuzzInput.h"
#include "tests/fuzz/FuzzTarget.h"
#include "tests/fuzz/DeviceSession.h"
#include "tests/fuzz/PlayedLine.h"

#include "Platform/WaitCursor.h"
#include "Toolkit/Parameter/VornaException.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* aData, std::size_t aSize)
{
    FuzzInput input(aData, aSize);
    const DeviceSession session = DeviceSession::read(input);
    VirtualTime time;
    PlayedLine line(input.rest(), time);
    try
    {
        session.run(line);
    }
    catch (const VornaException&)
    {
        // The unit was refused or did not answer: the program's own error.
    }
    FUZZ_CHECK(Platform::WaitCursor::depth() == 0);
    return 0;
}
