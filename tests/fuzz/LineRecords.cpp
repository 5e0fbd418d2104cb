#include "tests/fuzz/LineRecords.h"

#include "Platform/Assertion.h"

#include <algorithm>

namespace
{
const std::size_t maximumRecord = 0xFF;
}

LineRecords& LineRecords::raw(const ByteString& aBytes)
{
    for (std::size_t at = 0; at < aBytes.size(); at += maximumRecord)
    {
        const std::size_t count = std::min(maximumRecord, aBytes.size() - at);
        myRecords += '\0';
        myRecords += static_cast<char>(count);
        myRecords.append(reinterpret_cast<const char*>(aBytes.data()) + at, count);
    }
    return *this;
}

LineRecords& LineRecords::frame(const ByteString& aData)
{
    VORNA_ASSERT(aData.size() <= maximumRecord);
    myRecords += '\1';
    myRecords += static_cast<char>(aData.size());
    myRecords.append(reinterpret_cast<const char*>(aData.data()), aData.size());
    return *this;
}

LineRecords& LineRecords::silence()
{
    myRecords += '\2';
    return *this;
}

LineRecords& LineRecords::writeFailure()
{
    myRecords += '\3';
    return *this;
}
