#include "FakeSerialDevice.h"

#include "VirtualTime.h"

#include "Toolkit/Parameter/VornaException.h"

#include <chrono>

void FakeSerialDevice::answer(std::initializer_list<int> aBytes)
{
    for (int byte : aBytes)
    {
        myIncoming.push_back(byte & 0xFF);
    }
}

void FakeSerialDevice::answer(const ByteString& aBytes)
{
    for (unsigned char byte : aBytes)
    {
        myIncoming.push_back(byte);
    }
}

void FakeSerialDevice::silence()
{
    myIncoming.push_back(-1);
}

void FakeSerialDevice::onWrite(const std::function<void(const ByteString&)>& aReaction)
{
    myReaction = aReaction;
}

void FakeSerialDevice::failWrites(bool aFail)
{
    myFailWrites = aFail;
}

void FakeSerialDevice::attach(VirtualTime* aTime)
{
    myTime = aTime;
}

std::size_t FakeSerialDevice::pending() const
{
    std::size_t count = 0;
    for (int entry : myIncoming)
    {
        count += entry >= 0 ? 1 : 0;
    }
    return count;
}

std::size_t FakeSerialDevice::count(const ByteString& aSequence) const
{
    std::size_t found = 0;
    for (std::size_t at = myWritten.find(aSequence); at != ByteString::npos; at = myWritten.find(aSequence, at + 1))
    {
        ++found;
    }
    return found;
}

void FakeSerialDevice::setTimeouts(std::uint32_t aMilliseconds)
{
    myTimeout = aMilliseconds;
}

void FakeSerialDevice::write(const unsigned char* aBytes, std::uint32_t aCount)
{
    if (myFailWrites)
    {
        throw VornaException("Error sending serial data.");
    }
    const ByteString sent(aBytes, aCount);
    myWritten += sent;
    if (myReaction)
    {
        myReaction(sent);
    }
}

std::uint32_t FakeSerialDevice::read(unsigned char* aBuffer, std::uint32_t aCount)
{
    myReads.push_back(aCount);
    std::uint32_t received = 0;
    while (received < aCount && !myIncoming.empty() && myIncoming.front() >= 0)
    {
        aBuffer[received++] = static_cast<unsigned char>(myIncoming.front());
        myIncoming.pop_front();
    }
    if (received < aCount)
    {
        if (!myIncoming.empty())
        {
            myIncoming.pop_front();  // the silence that ended this read
        }
        if (myTime != nullptr)
        {
            myTime->advance(std::chrono::milliseconds(myTimeout));
        }
    }
    return received;
}

ByteString bytes(std::initializer_list<int> aBytes)
{
    ByteString result;
    for (int byte : aBytes)
    {
        result.push_back(static_cast<unsigned char>(byte));
    }
    return result;
}
