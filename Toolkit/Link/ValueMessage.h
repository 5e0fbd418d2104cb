#pragma once

#include "Toolkit/Link/SmpteMessage.h"
#include "Toolkit/Parameter/ParameterValueMap.h"

class ParameterId;
class ParameterValue;

// A frame of (parameter id, value) entries of one group: what the computer
// sends to set a value and what a unit answers to every request.
//
// An entry is [index][high][low] for a two-byte value, and
// [0xFF][index][n][n bytes] for a value of any other length.
class ValueMessage : public SmpteMessage
{
public:
    static constexpr unsigned char extendedEntry = 0xFF;
    // Group, 0xFF, index and length byte leave this much of a frame for the value.
    static constexpr std::size_t maximumValueLength = maximumDataLength - 4;

    // The set message for one parameter. A value longer than a frame can carry
    // is refused with VornaException.
    ValueMessage(const ParameterId& anId, const ParameterValue& aValue);
    // The answer held in a frame read from a unit.
    explicit ValueMessage(const SmpteMessage& aFrame);

    // Adds every entry to aValues, replacing earlier values of the same id.
    // A message too short to hold a group and one entry throws
    // ProtocolException; decoding never reads past the message.
    void decode(ParameterValueMap& aValues) const;
};
