#include "tests/fuzz/PlayedLine.h"

#include "Toolkit/Parameter/VornaException.h"

#include <algorithm>
#include <chrono>

namespace
{
const unsigned char stx = 0x02;
}

PlayedLine::PlayedLine(const std::string& aRecords, VirtualTime& aTime) : myTime(aTime)
{
    std::size_t at = 0;
    auto next = [&]() -> int { return at < aRecords.size() ? static_cast<unsigned char>(aRecords[at++]) : -1; };
    for (int kind = next(); kind >= 0; kind = next())
    {
        switch (kind % 4)
        {
        case 0:
        case 1:
        {
            const int length = std::max(next(), 0);
            std::string data;
            for (int i = 0; i < length && at < aRecords.size(); ++i)
            {
                data += static_cast<char>(next());
            }
            if (kind % 4 == 1)
            {
                unsigned sum = static_cast<unsigned char>(data.size());
                for (char byte : data)
                {
                    sum += static_cast<unsigned char>(byte);
                }
                data = std::string(1, static_cast<char>(stx)) + static_cast<char>(data.size()) + data +
                       static_cast<char>((0x100 - (sum & 0xFF)) & 0xFF);
            }
            for (char byte : data)
            {
                myEvents.push_back(static_cast<unsigned char>(byte));
            }
            break;
        }
        case 2:
            myEvents.push_back(silence);
            break;
        default:
            myEvents.push_back(writeFailure);
            break;
        }
    }
}

void PlayedLine::setTimeouts(std::uint32_t aMilliseconds)
{
    myTimeout = aMilliseconds;
}

void PlayedLine::write(const unsigned char* aBytes, std::uint32_t aCount)
{
    if (!myEvents.empty() && myEvents.front() == writeFailure)
    {
        myEvents.pop_front();
        throw VornaException("Error sending serial data.");
    }
    myWritten.append(reinterpret_cast<const char*>(aBytes), aCount);
}

std::uint32_t PlayedLine::read(unsigned char* aBuffer, std::uint32_t aCount)
{
    std::uint32_t received = 0;
    while (received < aCount && !myEvents.empty() && myEvents.front() >= 0)
    {
        aBuffer[received++] = static_cast<unsigned char>(myEvents.front());
        myEvents.pop_front();
    }
    if (received < aCount)
    {
        if (!myEvents.empty() && myEvents.front() == silence)
        {
            myEvents.pop_front();
        }
        myTime.sleepFor(std::chrono::milliseconds(myTimeout));
    }
    return received;
}
