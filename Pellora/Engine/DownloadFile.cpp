#include "Pellora/Engine/DownloadFile.h"

#include "Pellora/Engine/InterpreterError.h"
#include "Platform/RegularFile.h"
#include "Platform/SystemReason.h"
#include "Toolkit/Link/SerialDevice.h"

#include <cctype>
#include <cerrno>
#include <filesystem>
#include <system_error>

namespace
{
void send(SerialDevice& aDevice, const std::string& aText)
{
    aDevice.write(reinterpret_cast<const unsigned char*>(aText.data()), static_cast<std::uint32_t>(aText.size()));
}

// The window's work for a line (progress, idle processing) is done while the
// line before is on the wire; only a Stop pressed meanwhile is looked at
// once it has left, before the next line follows it.
void sendNext(SerialDevice& aDevice, UserInterface::CancelChecker& aCancelChecker, const std::string& aLine)
{
    aDevice.drain();
    aCancelChecker.checkPending();
    send(aDevice, aLine);
}

bool isOk(const unsigned char* anAnswer)
{
    return std::tolower(anAnswer[0]) == 'o' && std::tolower(anAnswer[1]) == 'k';
}
}

DownloadFile::DownloadFile(const std::string& aName)
    : myName(aName)
{
}

void DownloadFile::download(SerialDevice& aDevice, UserInterface::ProgressDisplay& aProgress,
                            UserInterface::CancelChecker& aCancelChecker, bool aProtocol, const DownloadClock& aClock)
{
    open();
    try
    {
        if (aProtocol)
        {
            sendWithProtocol(aDevice, aProgress, aCancelChecker, aClock);
        }
        else
        {
            sendPlain(aDevice, aProgress, aCancelChecker, aClock);
        }
    }
    catch (...)
    {
        myStream.close();
        throw;
    }
    myStream.close();
    aProgress.set(0.0f);
}

void DownloadFile::open()
{
    if (myStream.is_open())
    {
        myStream.close();
    }
    myStream.clear();
    // Only a regular file has an end: a folder reads as nothing, which would
    // pass for an empty file, a device such as /dev/zero never ends and a
    // FIFO blocks in the open, out of reach of Stop. A file that is there but
    // no regular file has no system reason to tell; one that is missing or
    // unreadable is told with it.
    errno = 0;
    if (Platform::isRegularFile(myName))
    {
        myStream.open(myName, std::ios::in | std::ios::binary);
    }
    const int reason = myStream.is_open() ? 0 : errno;
    if (myStream.is_open())
    {
        myStream.seekg(0, std::ios::end);
        const std::streamoff end = myStream.tellg();
        myStream.seekg(0, std::ios::beg);
        if (end >= 0 && myStream.good())
        {
            myTotal = static_cast<float>(end) + 1.0f;
            myPosition = 0;
            return;
        }
        myStream.close();
    }
    throw InterpreterError(Platform::withReason("Error opening " + myName, reason));
}

bool DownloadFile::readLine(std::string& aLine)
{
    aLine.clear();
    bool any = false;
    for (int next = myStream.get(); next != std::char_traits<char>::eof(); next = myStream.get())
    {
        any = true;
        ++myPosition;
        if (next == '\n')
        {
            break;
        }
        // Far beyond any S-record line: the file is no S-record file, and the
        // line must not grow without bound before Stop is looked at again.
        if (aLine.size() > MaxLineLength)
        {
            throw InterpreterError("Error reading " + myName);
        }
        aLine.push_back(static_cast<char>(next));
    }
    if (!any)
    {
        checkRead();
        return false;
    }
    // The file may have been written with two-character line ends.
    if (!aLine.empty() && aLine.back() == '\r')
    {
        aLine.pop_back();
    }
    if (aLine.size() > MaxLineLength)
    {
        throw InterpreterError("Error reading " + myName);
    }
    return true;
}

void DownloadFile::checkRead() const
{
    // A read that fails before the end must not pass for the end of the file.
    if (myStream.bad())
    {
        throw InterpreterError("Error reading " + myName);
    }
}

void DownloadFile::sendWithProtocol(SerialDevice& aDevice, UserInterface::ProgressDisplay& aProgress,
                                    UserInterface::CancelChecker& aCancelChecker, const DownloadClock& aClock)
{
    checkStatus(aDevice, aCancelChecker, aClock);
    std::string line;
    if (!readLine(line))
    {
        return;
    }
    line += '\n';
    send(aDevice, line);
    aProgress.set(static_cast<float>(myPosition) / myTotal);
    checkStatus(aDevice, aCancelChecker, aClock);
    while (readLine(line))
    {
        line += '\n';
        sendNext(aDevice, aCancelChecker, line);
        aProgress.set(static_cast<float>(myPosition) / myTotal);
        aCancelChecker.check();
    }
}

void DownloadFile::sendPlain(SerialDevice& aDevice, UserInterface::ProgressDisplay& aProgress,
                             UserInterface::CancelChecker& aCancelChecker, const DownloadClock& aClock)
{
    std::streamoff sent = 0;
    std::string line;
    while (readLine(line))
    {
        sent += static_cast<std::streamoff>(line.size());
        sendNext(aDevice, aCancelChecker, line);
        aProgress.set(static_cast<float>(sent) / myTotal);
        aCancelChecker.check();
    }
    aProgress.set(1.0f);

    // Any one byte is the unit's answer; none is no error.
    const DownloadClock::TimePoint waitStart = aClock.now();
    while (aClock.now() - waitStart < AnswerTimeLimit)
    {
        unsigned char answer;
        if (aDevice.read(&answer, 1) == 1)
        {
            break;
        }
        aCancelChecker.check();
        // A line that has hung up answers at once; do not spin on it.
        aClock.pause();
    }

    const DownloadClock::TimePoint settleStart = aClock.now();
    while (aClock.now() - settleStart < SettleTime)
    {
        aCancelChecker.check();
        aClock.pause();
    }
}

void DownloadFile::checkStatus(SerialDevice& aDevice, UserInterface::CancelChecker& aCancelChecker,
                               const DownloadClock& aClock)
{
    unsigned char answer[2] = {'X', 'X'};
    std::uint32_t received = 0;
    const DownloadClock::TimePoint start = aClock.now();
    while (received < 2)
    {
        const std::uint32_t count = aDevice.read(answer + received, 2 - received);
        received += count;
        aCancelChecker.check();
        // Nothing can come from a unit that is gone; waiting out the limit
        // would leave the operator without word for minutes.
        if (received < 2 && aDevice.isGone())
        {
            throw InterpreterError("no status response from the device");
        }
        if (count == 0)
        {
            // A line that has hung up answers at once; do not spin on it.
            aClock.pause();
        }
        if (received < 2 && aClock.now() - start >= StatusTimeLimit)
        {
            throw InterpreterError("no status response from the device");
        }
    }
    if (isOk(answer))
    {
        return;
    }
    unsigned char code;
    if (aDevice.read(&code, 1) == 1)
    {
        throw InterpreterError("Download error " + std::to_string(static_cast<signed char>(code)) + "\n");
    }
    throw InterpreterError("no error code from the device");
}
