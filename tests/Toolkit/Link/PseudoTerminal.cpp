#include "PseudoTerminal.h"

#include <chrono>
#include <stdexcept>

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>

PseudoTerminal::PseudoTerminal()
    : myMaster(::posix_openpt(O_RDWR | O_NOCTTY))
{
    if (myMaster < 0 || ::grantpt(myMaster) != 0 || ::unlockpt(myMaster) != 0 || ::ptsname(myMaster) == nullptr)
    {
        throw std::runtime_error("no pseudo-terminal");
    }
    mySlavePath = ::ptsname(myMaster);
}

PseudoTerminal::~PseudoTerminal()
{
    hangUp();
}

void PseudoTerminal::send(const ByteString& aBytes)
{
    if (::write(myMaster, aBytes.data(), aBytes.size()) != static_cast<ssize_t>(aBytes.size()))
    {
        throw std::runtime_error("cannot write to the pseudo-terminal");
    }
}

ByteString PseudoTerminal::receive(std::size_t aCount, int aMilliseconds)
{
    ByteString received;
    const std::chrono::steady_clock::time_point end =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(aMilliseconds);
    while (received.size() < aCount && std::chrono::steady_clock::now() < end)
    {
        struct pollfd entry = {myMaster, POLLIN, 0};
        if (::poll(&entry, 1, 5) == 1 && (entry.revents & POLLIN) != 0)
        {
            unsigned char buffer[512];
            const ssize_t count = ::read(myMaster, buffer, std::min(sizeof buffer, aCount - received.size()));
            if (count > 0)
            {
                received.append(buffer, static_cast<std::size_t>(count));
            }
        }
    }
    return received;
}

void PseudoTerminal::hangUp()
{
    if (myMaster >= 0)
    {
        ::close(myMaster);
        myMaster = -1;
    }
}
