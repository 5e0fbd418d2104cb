#pragma once

#include "Toolkit/Parameter/ParameterDefinition.h"

#include <string>

// Shows 0 as one text and every other value, negative ones included, as another.
class TwoStateDefinition : public ParameterDefinition
{
public:
    TwoStateDefinition(const std::string& aName, std::string aTextForZero, std::string aTextForNonZero);
    bool formatValue(std::ostream& aStream, const ParameterValue& aValue) const override;

    const std::string& textForZero() const { return myTextForZero; }
    const std::string& textForNonZero() const { return myTextForNonZero; }

private:
    std::string myTextForZero;
    std::string myTextForNonZero;
};
