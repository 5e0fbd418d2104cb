#include "Tessiva/DeviceSettingsObserver.h"

#include "Platform/Assertion.h"
#include "Platform/LineSettings.h"
#include "Tessiva/CTessivaDoc.h"
#include "Tessiva/DeviceSettings.h"
#include "Toolkit/Parameter/ControlParameter.h"
#include "Toolkit/Parameter/VornaException.h"

#include <optional>

namespace
{
const int theKq310 = 0;
const std::uint16_t theKq310Address = 0x9080;
const std::uint32_t theKq310Rate = 38400;

short indexOfRate(std::uint32_t aBaudRate)
{
    const std::optional<int> index = Platform::RateList::remoteControl().indexOf(aBaudRate);
    if (!index)
    {
        throw VornaException("A port is open at an unsupported baud rate.");
    }
    return static_cast<short>(*index);
}
}

DeviceSettingsObserver::DeviceSettingsObserver(Parameter* aSubject, DeviceSettings* aSettings,
                                               CTessivaDoc* aDocument)
    : ParameterObserver(aSubject), mySettings(aSettings), myDocument(aDocument)
{
    VORNA_ASSERT(aSettings != NULL);
    VORNA_ASSERT(aDocument != NULL);
    recompute();
}

void DeviceSettingsObserver::onSubjectUpdated()
{
    recompute();
}

void DeviceSettingsObserver::recompute()
{
    ControlCollection& settings = mySettings->controlCollection();
    ControlParameter& offLine = settings.find(DeviceSettings::offLineId);
    ControlParameter& deviceType = settings.find(DeviceSettings::deviceTypeId);
    ControlParameter& portIndex = settings.find(DeviceSettings::portIndexId);
    ControlParameter& baudRate = settings.find(DeviceSettings::baudRateId);
    ControlParameter& address = settings.find(DeviceSettings::deviceAddressId);

    const bool onLine = offLine.value().toShort() == 0;
    portIndex.setAvailable(onLine);

    // A bus address has bit 7 set in both bytes and an even low byte. A
    // value below the last one whose low byte lost bit 7 was a step down
    // across a block, so the high byte borrows.
    // The document keeps the last address for the whole program run, across
    // the dialogs that each build their own settings.
    std::uint16_t candidate = address.value().toUnsignedShort();
    const std::uint16_t last = myDocument->lastDeviceAddress().value_or(candidate);
    if ((candidate & 0x80) == 0 && candidate < last)
    {
        candidate = static_cast<std::uint16_t>(candidate - 0x100);
    }
    candidate = static_cast<std::uint16_t>((candidate & 0x7F7E) | 0x8080);
    myDocument->setLastDeviceAddress(candidate);
    address.setValue(ParameterValue(candidate));

    // The values are read afresh: the requests above notify, and what they
    // set off may have changed them.
    const int type = deviceType.value().toShort();
    address.setAvailable(offLine.value().toShort() == 0 && type != theKq310);
    if (type == theKq310)
    {
        address.setValue(ParameterValue(theKq310Address));
    }

    if (offLine.value().toShort() != 0)
    {
        baudRate.setAvailable(false);
    }
    else if (deviceType.value().toShort() == theKq310)
    {
        baudRate.setAvailable(false);
        baudRate.setValue(ParameterValue(indexOfRate(theKq310Rate)));
    }
    else
    {
        Platform::LineSettings line;
        if (!myDocument->isPortOpen(&line, static_cast<short>(portIndex.value().toShort() + 1)))
        {
            baudRate.setAvailable(true);
        }
        else
        {
            baudRate.setAvailable(false);
            baudRate.setValue(ParameterValue(indexOfRate(line.baudRate)));
        }
    }
}
