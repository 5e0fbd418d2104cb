#pragma once

#include "Toolkit/Parameter/ParameterValueStore.h"

#include <cstdint>

// Stands in for a KQ310 unit off line: the value store holding the defaults
// that are not 0 (every other id reads 0). Status values are stored under their
// own id; control values are written under the group before, as a unit would be
// written, so that they too read back under the parameter's own id.
class OfflineKq310Values : public ParameterValueStore
{
public:
    // aMultiChannel 1 simulates a multi-channel unit, 0 a two-channel one.
    explicit OfflineKq310Values(std::uint8_t aMultiChannel);

    std::uint8_t multiChannel() const { return myMultiChannel; }

protected:
    // For a derived source that changes some of these defaults after this
    // constructor has stored them all.
    void setStatusDefault(int aGroup, int anIndex, int aValue);
    void setControlDefault(int aGroup, int anIndex, int aValue);

private:
    void fillCapabilityValues();
    void fillBitStreamValues();
    void fillCodingValues();
    void fillEncoderStateValues();
    void fillInputOutputValues();

    std::uint8_t myMultiChannel;
};
