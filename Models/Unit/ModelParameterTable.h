#pragma once

#include "Models/Unit/UnitParameterTable.h"

#include <cstdint>

// What sets one unit model's table apart from the other's.
struct UnitModelLimits
{
    std::uint16_t sampleRateLimit32;
    std::uint16_t sampleRateLimit44;
    std::uint16_t sampleRateLimitOther;
    std::uint16_t codingDelayMaximum;
    const char* deviceTypeText;
    const char* minimumFirmwareText;
};

// The unit table with a model's coding-delay limits, device type and least
// firmware revision; it tracks the values between polls.
template <const UnitModelLimits& theLimits>
class ModelParameterTable : public UnitParameterTable
{
public:
    static constexpr std::uint16_t sampleRateLimit32 = theLimits.sampleRateLimit32;
    static constexpr std::uint16_t sampleRateLimit44 = theLimits.sampleRateLimit44;
    static constexpr std::uint16_t sampleRateLimitOther = theLimits.sampleRateLimitOther;
    static constexpr std::uint16_t codingDelayMaximum = theLimits.codingDelayMaximum;
    static constexpr const char* deviceTypeText = theLimits.deviceTypeText;
    static constexpr const char* minimumFirmwareText = theLimits.minimumFirmwareText;

    explicit ModelParameterTable(AbstractProtocol* anOwner)
        : UnitParameterTable(anOwner, sampleRateLimit32, sampleRateLimit44, sampleRateLimitOther,
                             codingDelayMaximum, deviceTypeText, minimumFirmwareText, true)
    {
    }
};
