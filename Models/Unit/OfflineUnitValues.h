#pragma once

#include "Models/OfflineKq310Values.h"

#include <cstdint>
#include <string>

// Stands in for a KQ330 or KQ350 unit off line: the KQ310's defaults, changed
// and extended for the units (no record-play, automatic sample rate and
// deemphasis, the preset names, the unit name, the coding delay at the model's
// maximum, and an identification that passes the model's checks).
class OfflineUnitValues : public OfflineKq310Values
{
public:
    // aSize is the model's greatest coding delay; aDeviceType its device type.
    OfflineUnitValues(bool aMultiChannel, std::int16_t aSize, const std::string& aDeviceType);

    // The firmware revision that an off-line unit reports.
    static const char* const firmwareVersion;

private:
    // Where the units' defaults differ from the KQ310's.
    void changeKq310Values();
    void fillPresetNameValues();
    void fillUnitControlValues(std::int16_t aSize, const std::string& aDeviceType);
    void fillIdentificationValues(const std::string& aDeviceType);

    void setControlText(int aGroup, int anIndex, const std::string& aText);
};
