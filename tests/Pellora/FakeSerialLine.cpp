#include "tests/Pellora/FakeSerialLine.h"

void FakeSerialLine::answer(const std::string& aBytes)
{
    myIncoming.insert(myIncoming.end(), aBytes.begin(), aBytes.end());
}

void FakeSerialLine::onWrite(const std::function<void(const std::string& aBytes)>& aReaction)
{
    myReaction = aReaction;
}

std::string FakeSerialLine::written() const
{
    std::string all;
    for (const std::string& bytes : myWrites)
    {
        all += bytes;
    }
    return all;
}

void FakeSerialLine::setTimeouts(std::uint32_t aMilliseconds)
{
    myTimeout = aMilliseconds;
}

void FakeSerialLine::write(const unsigned char* aBytes, std::uint32_t aCount)
{
    myWrites.emplace_back(reinterpret_cast<const char*>(aBytes), aCount);
    if (myReaction)
    {
        myReaction(myWrites.back());
    }
}

std::uint32_t FakeSerialLine::read(unsigned char* aBuffer, std::uint32_t aCount)
{
    ++myReadCount;
    std::uint32_t count = 0;
    while (count < aCount && !myIncoming.empty())
    {
        aBuffer[count++] = static_cast<unsigned char>(myIncoming.front());
        myIncoming.pop_front();
    }
    return count;
}
