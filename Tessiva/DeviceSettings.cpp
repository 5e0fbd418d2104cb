#include "Tessiva/DeviceSettings.h"

#include "Platform/Assertion.h"
#include "Platform/Framework/Application.h"
#include "Platform/Framework/UnsavedSettings.h"
#include "Platform/ProfileStore.h"
#include "Tessiva/DeviceSettingsObserver.h"
#include "Toolkit/Parameter/ControlParameter.h"
#include "Toolkit/Parameter/VornaException.h"

#include <memory>
#include <optional>
#include <string>

namespace
{
const char* const theSection = "Settings";
// The fastest rate is the first choice.
const int theLastRate = static_cast<int>(Platform::RateList::remoteControl().size()) - 1;

struct Setting
{
    const ParameterId* id;
    const char* name;
    int minimum;
    int maximum;
    int initial;
};

// In the order they are read.
const Setting theSettings[] = {
    {&DeviceSettings::offLineId, "off line", 0, 1, 0},
    {&DeviceSettings::deviceTypeId, "device type", 0, 2, 2},
    {&DeviceSettings::portIndexId, "port number", 0, 9, 0},
    {&DeviceSettings::baudRateId, "baud rate", 0, theLastRate, theLastRate},
    // 0x8280 to 0xFFFE as signed 16-bit numbers.
    {&DeviceSettings::deviceAddressId, "device address", -32128, -2, 0x8280},
};

Platform::ProfileStore profile()
{
    return Platform::Application::exists() ? Platform::Application::current().profile()
                                           : Platform::ProfileStore("Tessiva");
}
}

const ParameterId DeviceSettings::offLineId(0, 0);
const ParameterId DeviceSettings::deviceTypeId(0, 1);
const ParameterId DeviceSettings::portIndexId(0, 2);
const ParameterId DeviceSettings::baudRateId(0, 3);
const ParameterId DeviceSettings::deviceAddressId(0, 4);

DeviceSettings::DeviceSettings(CTessivaDoc* aDocument)
    : ParameterSet(nullptr)
{
    VORNA_ASSERT(aDocument != NULL);
    const Platform::ProfileStore store = profile();
    for (const Setting& setting : theSettings)
    {
        ControlParameter& parameter = myControlParameters.add(
            ControlParameter(owner(), *setting.id, ParameterValue(setting.minimum), ParameterValue(setting.maximum)));
        // A stored value out of range is dropped: the minimum stays.
        parameter.setValue(ParameterValue(store.getInt(theSection, setting.name, setting.initial)));
    }
    for (const ParameterId* id : {&deviceAddressId, &deviceTypeId, &offLineId, &portIndexId})
    {
        adoptObserver(std::make_unique<DeviceSettingsObserver>(&myControlParameters.find(*id), this, aDocument));
    }
}

DeviceSettings::~DeviceSettings()
{
    if (!mySaved)
    {
        write(Platform::SettingsReport::StandardErrorOnly);
    }
}

void DeviceSettings::save()
{
    write(Platform::SettingsReport::WindowToo);
    mySaved = true;
}

void DeviceSettings::write(Platform::SettingsReport aReport)
{
    Platform::ProfileStore store = profile();
    // One write: another program, or a kill part-way, never sees a new model with an old address.
    const bool written =
        store.writeStrings(theSection, {{"off line", std::to_string(valueOf(offLineId))},
                                        {"device type", std::to_string(valueOf(deviceTypeId))},
                                        {"port number", std::to_string(valueOf(portIndexId))},
                                        {"baud rate", std::to_string(static_cast<std::uint16_t>(valueOf(baudRateId)))},
                                        {"device address", std::to_string(deviceAddress())}});
    if (!written)
    {
        // The next opening offers the settings stored before.
        Platform::reportUnsavedSettings(store, "The connection settings", aReport);
    }
}

short DeviceSettings::valueOf(const ParameterId& anId)
{
    return myControlParameters.find(anId).value().toShort();
}

bool DeviceSettings::isOffLine()
{
    return valueOf(offLineId) != 0;
}

int DeviceSettings::deviceType()
{
    const short type = valueOf(deviceTypeId);
    if (type < 0 || type > 2)
    {
        throw VornaException("Unexpected device type: " + std::to_string(type));
    }
    return type;
}

std::uint32_t DeviceSettings::portNumber()
{
    return isOffLine() ? 0 : static_cast<std::uint32_t>(valueOf(portIndexId) + 1);
}

std::uint32_t DeviceSettings::baudRate()
{
    const short index = valueOf(baudRateId);
    const std::optional<Platform::LineSettings> line = Platform::RateList::remoteControl().at(index);
    if (!line)
    {
        throw VornaException("Unexpected baud rate: " + std::to_string(index));
    }
    return line->baudRate;
}

Platform::LineSettings DeviceSettings::lineSettings()
{
    return Platform::LineSettings(baudRate());
}

std::uint16_t DeviceSettings::deviceAddress()
{
    return myControlParameters.find(deviceAddressId).value().toUnsignedShort();
}
