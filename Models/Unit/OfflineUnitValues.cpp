#include "Models/Unit/OfflineUnitValues.h"

const char* const OfflineUnitValues::firmwareVersion = "x.xx";

OfflineUnitValues::OfflineUnitValues(bool aMultiChannel, std::int16_t aSize, const std::string& aDeviceType)
    : OfflineKq310Values(aMultiChannel ? 1 : 0)
{
    changeKq310Values();
    fillPresetNameValues();
    fillUnitControlValues(aSize, aDeviceType);
    fillIdentificationValues(aDeviceType);
}

void OfflineUnitValues::setControlText(int aGroup, int anIndex, const std::string& aText)
{
    setValue(ParameterId(aGroup, anIndex).previous(), ParameterValue(aText), 0);
}

void OfflineUnitValues::changeKq310Values()
{
    // Record-Play Capable: the units cannot record.
    setStatusDefault('@', 4, 0);
    setControlDefault('B', 33, -1);
}

void OfflineUnitValues::fillPresetNameValues()
{
    setControlText('d', 28, "STEREO MUSIC");
    setControlText('d', 29, "STEREO FILM");
    setControlText('d', 30, "SRND MUSIC");
    setControlText('d', 31, "SRND FILM");
    for (int preset = 0; preset < 28; ++preset)
    {
        setControlText('d', preset, "Preset " + std::to_string(preset + 1));
    }
}

void OfflineUnitValues::fillUnitControlValues(std::int16_t aSize, const std::string& aDeviceType)
{
    setControlText('a', 14, aDeviceType);
    setControlDefault('a', 0, 1);
    setControlDefault('a', 5, aSize);
    setControlDefault('o', 1, aSize);
}

void OfflineUnitValues::fillIdentificationValues(const std::string& aDeviceType)
{
    myValues[ParameterId(0xF8, 0)] = ParameterValue(aDeviceType);
    myValues[ParameterId(0xF8, 1)] = ParameterValue(std::string(firmwareVersion));
}
