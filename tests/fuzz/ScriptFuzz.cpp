// Download scripts (*.prx) through the scanner, the grammar and the
// interpreter, run against a line that plays the fuzz input and an operator
// who answers by the input's bits and may press Stop.

#include "tests/fuzz/FuzzInput.h"
#include "tests/fuzz/FuzzOperator.h"
#include "tests/fuzz/VirtualDownloadClock.h"
#include "tests/fuzz/FuzzTarget.h"
#include "tests/fuzz/PlayedLine.h"
#include "tests/fuzz/ScratchFolder.h"

#include "Pellora/Engine/Interpreter.h"
#include "Toolkit/Link/SerialDevice.h"
#include "Toolkit/Parameter/VornaException.h"

#include <string>

namespace
{
// A small S-record file beside the script, for its download statements.
const char* const theRecords = "S00600004844521B\n"
                               "S1130000285F245F2212226A000424290008237C2A\n"
                               "S9030000FC\n";
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* aData, std::size_t aSize)
{
    static const std::string theFile = writeScratchFile("a.s19", theRecords);
    (void)theFile;

    FuzzInput input(aData, aSize);
    const std::uint8_t answers = input.byte();
    const unsigned stopAt = input.byte();
    const std::string script = writeScratchFile("script.prx", input.untilZero());

    VirtualTime time;
    PlayedLine line(input.rest(), time);
    SerialDevice device(&line);
    FuzzOperator user(answers, stopAt);
    VirtualDownloadClock clock;
    Interpreter interpreter(&user, &device, 0x8280, Interpreter::DefaultQueryKeyword, &clock);
    try
    {
        // A script that cannot be read runs nothing, which is no finding.
        static_cast<void>(interpreter.runScript(script));
    }
    catch (const VornaException&)
    {
    }
    return 0;
}
