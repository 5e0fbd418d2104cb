#pragma once

#include "Toolkit/Parameter/ParameterDefinition.h"

// The definition of reserved rows and of rows a model lacks: it has no name and
// no text, and both formatters fail, so reports leave such a parameter out.
class EmptyDefinition : public ParameterDefinition
{
public:
    EmptyDefinition();
    bool formatValue(std::ostream& aStream, const ParameterValue& aValue) const override;
    bool formatName(std::ostream& aStream) const override;
};
