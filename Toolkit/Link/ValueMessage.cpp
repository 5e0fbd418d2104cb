#include "Toolkit/Link/ValueMessage.h"

#include "Toolkit/Parameter/ParameterId.h"
#include "Toolkit/Parameter/ParameterValue.h"
#include "Toolkit/Parameter/ProtocolException.h"
#include "Toolkit/Parameter/VornaException.h"

#include <algorithm>

namespace
{
// STX, length, group and one plain entry.
const std::size_t shortestAnswer = 6;
}

ValueMessage::ValueMessage(const ParameterId& anId, const ParameterValue& aValue)
{
    // A longer value would wrap the length bytes and send the unit a frame
    // other than the one meant.
    if (aValue.size() > maximumValueLength)
    {
        throw VornaException("The value is too long to send to the device.");
    }
    if (aValue.size() == 2)
    {
        anId.appendTo(&myData);
    }
    else
    {
        anId.appendAround(&myData, extendedEntry);
    }
    aValue.appendTo(&myData);
}

ValueMessage::ValueMessage(const SmpteMessage& aFrame)
    : SmpteMessage(aFrame)
{
}

void ValueMessage::decode(ParameterValueMap& aValues) const
{
    const std::size_t size = myData.size();
    if (size < shortestAnswer)
    {
        throw ProtocolException("The device's answer holds no parameter value.");
    }
    const unsigned char group = myData[2];
    std::size_t position = 3;
    while (position + 3 <= size)
    {
        ParameterValue value;
        unsigned char index = 0;
        std::size_t entrySize = 3;
        if (myData[position] == extendedEntry)
        {
            index = myData[position + 1];
            const std::size_t count = myData[position + 2];
            const std::size_t start = position + 3;
            // Only the bytes that the message holds when it ends sooner.
            value.assign(myData, start, std::min(count, size - start));
            entrySize += count;
        }
        else
        {
            index = myData[position];
            value.assign(myData, position + 1, 2);
        }
        aValues[ParameterId(group, index)] = value;
        position += entrySize;
    }
}
