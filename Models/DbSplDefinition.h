#pragma once

#include "Toolkit/Parameter/ParameterDefinition.h"

#include <string>

// Mix levels: the value counts decibels above 80 dB SPL.
class DbSplDefinition : public ParameterDefinition
{
public:
    explicit DbSplDefinition(const std::string& aName);
    bool formatValue(std::ostream& aStream, const ParameterValue& aValue) const override;
};
