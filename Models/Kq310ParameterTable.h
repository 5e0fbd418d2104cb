#pragma once

#include "Models/ParameterTable.h"

// The KQ310's table: the common table with the KQ310's two model rules, which
// bound the data rate and the audio coding mode through the unit's capability
// rows. The constructor ends with one full cycle of the poll ring, twice over.
class Kq310ParameterTable : public ParameterTable
{
public:
    static constexpr int startupPolls = 6;

    explicit Kq310ParameterTable(AbstractProtocol* anOwner);

protected:
    void installModelRules();

private:
    // Bounds the audio coding mode by the data rate: one rule each on the data
    // rate, the LFE switch and the bit stream mode.
    void installDataRateRule();
    // Bounds the data rate by the audio coding mode: one rule on the mode.
    void installCodingModeRule();
};
