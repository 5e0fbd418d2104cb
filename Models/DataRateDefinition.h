#pragma once

#include "Toolkit/Parameter/EnumeratedDefinition.h"

#include <string>
#include <vector>

// The data rates by index; the lowest three lie below the control's range but
// keep their texts for values a unit reports.
class DataRateDefinition : public EnumeratedDefinition
{
public:
    explicit DataRateDefinition(const std::string& aName);

    // The rate texts by index, shared with the panels' rate lists.
    static const std::vector<std::string>& texts();
};
