#pragma once

#include "Models/Unit/UnitParameterTable.h"

#include <cstdint>

// The KQ350's table: the unit table with the KQ350's coding-delay limits,
// device type and least firmware revision.
class Kq350ParameterTable : public UnitParameterTable
{
public:
    static constexpr std::uint16_t sampleRateLimit32 = 268;
    static constexpr std::uint16_t sampleRateLimit44 = 195;
    static constexpr std::uint16_t sampleRateLimitOther = 179;
    static constexpr std::uint16_t codingDelayMaximum = 450;
    static const char* const deviceTypeText;
    static const char* const minimumFirmwareText;

    explicit Kq350ParameterTable(AbstractProtocol* anOwner);
};
