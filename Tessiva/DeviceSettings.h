#pragma once

#include "Platform/Framework/UnsavedSettings.h"
#include "Platform/LineSettings.h"
#include "Toolkit/Parameter/ParameterId.h"
#include "Toolkit/Parameter/ParameterSet.h"

#include <cstdint>

class CTessivaDoc;

// How to reach the next device: off line or on line, model, COM port, baud
// rate and bus address, as five control parameters of group 0 that live in
// memory only. Read from the profile section "Settings" when built, written
// back by save or else when destroyed; observers keep the rules between them.
class DeviceSettings : public ParameterSet
{
public:
    static const ParameterId offLineId;
    static const ParameterId deviceTypeId;
    static const ParameterId portIndexId;
    static const ParameterId baudRateId;
    static const ParameterId deviceAddressId;

    // The document answers which ports are open, and at what rate.
    explicit DeviceSettings(CTessivaDoc* aDocument);
    // Writes back unless save did.
    ~DeviceSettings() override;

    // Writes the settings back, telling a failure in a window too (which a
    // destructor may not); the destructor then writes no more.
    void save();

    bool isOffLine();
    // 0 KQ310, 1 KQ330, 2 KQ350.
    int deviceType();
    // The COM number; 0 off line.
    std::uint32_t portNumber();
    // The offered rate at the chosen index; throws VornaException for an
    // index beyond them.
    std::uint32_t baudRate();
    // The line at that rate.
    Platform::LineSettings lineSettings();
    std::uint16_t deviceAddress();

private:
    short valueOf(const ParameterId& anId);
    void write(Platform::SettingsReport aReport);

    bool mySaved = false;
};
