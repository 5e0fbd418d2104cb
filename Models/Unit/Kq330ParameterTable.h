#pragma once

#include "Models/Unit/UnitParameterTable.h"

#include <cstdint>

// The KQ330's table: the unit table with the KQ330's coding-delay limits,
// device type and least firmware revision.
class Kq330ParameterTable : public UnitParameterTable
{
public:
    static constexpr std::uint16_t sampleRateLimit32 = 104;
    static constexpr std::uint16_t sampleRateLimit44 = 76;
    static constexpr std::uint16_t sampleRateLimitOther = 70;
    static constexpr std::uint16_t codingDelayMaximum = 200;
    static const char* const deviceTypeText;
    static const char* const minimumFirmwareText;

    explicit Kq330ParameterTable(AbstractProtocol* anOwner);
};
