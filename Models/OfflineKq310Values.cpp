#include "Models/OfflineKq310Values.h"

OfflineKq310Values::OfflineKq310Values(std::uint8_t aMultiChannel)
    : myMultiChannel(aMultiChannel)
{
    fillCapabilityValues();
    fillBitStreamValues();
    fillCodingValues();
    fillEncoderStateValues();
    fillInputOutputValues();
}

void OfflineKq310Values::setStatusDefault(int aGroup, int anIndex, int aValue)
{
    myValues[ParameterId(aGroup, anIndex)] = ParameterValue(aValue);
}

void OfflineKq310Values::setControlDefault(int aGroup, int anIndex, int aValue)
{
    setValue(ParameterId(aGroup, anIndex).previous(), ParameterValue(aValue), 0);
}

void OfflineKq310Values::fillCapabilityValues()
{
    setStatusDefault('@', 1, myMultiChannel);
    // The lowest data rate index for one to five main channels.
    setStatusDefault('@', 8, 3);
    setStatusDefault('@', 9, 6);
    setStatusDefault('@', 10, 8);
    setStatusDefault('@', 11, 10);
    setStatusDefault('@', 12, 11);
}

void OfflineKq310Values::fillBitStreamValues()
{
    setStatusDefault('C', 10, 256);
    setStatusDefault('C', 11, 256);
    for (int index = 12; index <= 16; ++index)
    {
        setStatusDefault('C', index, 128);
    }
}

void OfflineKq310Values::fillCodingValues()
{
    const bool multiChannel = myMultiChannel != 0;
    setControlDefault('B', 0, -1);
    setControlDefault('B', 1, 15);
    setControlDefault('B', 3, multiChannel ? 7 : 2);
    setControlDefault('B', 4, multiChannel ? 1 : 0);
    setControlDefault('B', 5, 31);
    setControlDefault('B', 6, 31);
    setControlDefault('B', 21, 1);
    setControlDefault('B', 26, 1);
    for (int index = 27; index <= 31; ++index)
    {
        setControlDefault('B', index, 1);
    }
    setControlDefault('B', 33, 1);
    setControlDefault('B', 34, -1);
    setControlDefault('B', 35, -1);
}

void OfflineKq310Values::fillEncoderStateValues()
{
    setControlDefault('E', 0, 1);
}

void OfflineKq310Values::fillInputOutputValues()
{
    // Routing preset 0.
    const int inputs[] = {0, 4, 1, 2, 3, 5};
    int channel = 0;
    for (int input : inputs)
    {
        setControlDefault('H', channel++, input);
    }
    setControlDefault('H', 6, 1);
    setControlDefault('H', 7, 1);
    setControlDefault('H', 9, 1);
}
