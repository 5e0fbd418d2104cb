#include "Toolkit/Link/Kq310SmpteProtocol.h"

Kq310SmpteProtocol::Kq310SmpteProtocol(std::uint16_t aDeviceAddress, SerialDevice* aDevice)
    : SmpteProtocol(aDeviceAddress, aDevice)
{
}

void Kq310SmpteProtocol::setValue(const ParameterId& anId, const ParameterValue& aValue, std::uint32_t aSettleTime)
{
    SmpteProtocol::setValue(anId, aValue, aSettleTime);
    wait(writePause);
}
