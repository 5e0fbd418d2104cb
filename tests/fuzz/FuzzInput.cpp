#include "tests/fuzz/FuzzInput.h"

#include <algorithm>

std::string FuzzInput::bytes(std::size_t aCount)
{
    const std::size_t count = std::min(aCount, mySize - myAt);
    std::string result(reinterpret_cast<const char*>(myData) + myAt, count);
    myAt += count;
    return result;
}

std::string FuzzInput::untilZero()
{
    std::string result;
    while (myAt < mySize && myData[myAt] != 0)
    {
        result += static_cast<char>(myData[myAt++]);
    }
    byte();
    return result;
}
