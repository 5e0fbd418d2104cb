// The serial-line protocol reading hostile answers: every operation of the
// protocol stack of an on-line device (wait cursor, retry, Protocol, the
// serial-line protocol of either kind of unit) over a line that plays the
// fuzz input, in virtual time.

#include "tests/fuzz/FuzzInput.h"
#include "tests/fuzz/FuzzTarget.h"
#include "tests/fuzz/PlayedLine.h"
#include "tests/fuzz/ProtocolOperation.h"

#include "Models/OnlineProtocolStack.h"
#include "Platform/WaitCursor.h"
#include "Toolkit/Parameter/AbstractProtocol.h"
#include "Toolkit/Parameter/VornaException.h"

#include <vector>

namespace
{
const std::uint16_t theAddress = 0x8280;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* aData, std::size_t aSize)
{
    FuzzInput input(aData, aSize);
    const std::uint8_t head = input.byte();
    const OnlineProtocolStack::Line kind = (head & 1) != 0 ? OnlineProtocolStack::kq310Line : OnlineProtocolStack::unitLine;
    std::vector<ProtocolOperation> operations;
    for (int count = (head >> 1) % 4 + 1; count > 0; --count)
    {
        operations.push_back(ProtocolOperation::read(input));
    }

    VirtualTime time;
    PlayedLine line(input.rest(), time);
    {
        OnlineProtocolStack stack(&line, theAddress, kind);
        for (const ProtocolOperation& operation : operations)
        {
            try
            {
                operation.run(*stack.outermost());
            }
            catch (const VornaException&)
            {
                // The program's own error: the next operation goes on over the same line.
            }
        }
    }
    // However an operation ended, the wait cursor is off again.
    FUZZ_CHECK(Platform::WaitCursor::depth() == 0);
    return 0;
}
