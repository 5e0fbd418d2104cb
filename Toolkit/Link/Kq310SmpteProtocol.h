#pragma once

#include "Toolkit/Link/SmpteProtocol.h"

// The serial-line protocol for the KQ310, which needs a pause after every write.
class Kq310SmpteProtocol : public SmpteProtocol
{
public:
    static constexpr std::uint32_t writePause = 75;   // ms

    Kq310SmpteProtocol(std::uint16_t aDeviceAddress, SerialDevice* aDevice);

    void setValue(const ParameterId& anId, const ParameterValue& aValue, std::uint32_t aSettleTime) override;
};
