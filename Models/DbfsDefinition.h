#pragma once

#include "Toolkit/Parameter/ParameterDefinition.h"

#include <string>

// Dialog normalization levels: 1 to 31 are -1 dBFS to -31 dBFS, 0 is reserved.
class DbfsDefinition : public ParameterDefinition
{
public:
    explicit DbfsDefinition(const std::string& aName);
    bool formatValue(std::ostream& aStream, const ParameterValue& aValue) const override;
};
