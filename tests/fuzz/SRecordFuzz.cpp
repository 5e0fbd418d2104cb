// S-record files and the unit's status answers during their download, in
// either mode, with Stop pressed at a chosen cancel check. The lines of the
// file reach the line as they stand in it (one "\r" before a line end
// dropped), and the progress stays within 0..100 %.

#include "tests/fuzz/FuzzInput.h"
#include "tests/fuzz/FuzzOperator.h"
#include "tests/fuzz/VirtualDownloadClock.h"
#include "tests/fuzz/FuzzTarget.h"
#include "tests/fuzz/PlayedLine.h"
#include "tests/fuzz/ScratchFolder.h"

#include "Pellora/Engine/CancelChecker.h"
#include "Pellora/Engine/DownloadFile.h"
#include "Pellora/Engine/Interpreter.h"
#include "Pellora/Engine/ProgressDisplay.h"
#include "Toolkit/Link/SerialDevice.h"
#include "Toolkit/Link/SmpteProtocol.h"
#include "Toolkit/Parameter/VornaException.h"

#include <string>

namespace
{
// What the file's lines make on the wire when all of them are sent.
std::string sentLines(const std::string& aFile, bool aProtocol)
{
    std::string sent;
    std::size_t start = 0;
    while (start < aFile.size())
    {
        std::size_t end = aFile.find('\n', start);
        if (end == std::string::npos)
        {
            end = aFile.size();
        }
        std::string line = aFile.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
        {
            line.pop_back();
        }
        sent += aProtocol ? line + "\n" : line;
        start = end + 1;
    }
    return sent;
}
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* aData, std::size_t aSize)
{
    FuzzInput input(aData, aSize);
    const bool protocol = (input.byte() & 1) != 0;
    const unsigned stopAt = input.byte();
    const std::string content = input.bytes(input.word());
    const std::string path = writeScratchFile("file.s19", content);

    VirtualTime time;
    PlayedLine line(input.rest(), time);
    SerialDevice device(&line);
    device.setTimeouts(SmpteProtocol::readTimeout);
    FuzzOperator user(0, stopAt);
    UserInterface::ProgressDisplay progress(user.newProgressDisplay());
    UserInterface::CancelChecker checker(user.newCancelChecker());
    VirtualDownloadClock clock;

    const std::string expected = sentLines(content, protocol);
    bool done = false;
    try
    {
        DownloadFile file(path);
        file.download(device, progress, checker, protocol, clock);
        done = true;
    }
    catch (const VornaException&)
    {
    }
    const std::string& written = line.written();
    FUZZ_CHECK(expected.compare(0, written.size(), written) == 0);
    FUZZ_CHECK(!done || written == expected);
    return 0;
}
