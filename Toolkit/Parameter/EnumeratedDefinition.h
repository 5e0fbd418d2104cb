#pragma once

#include "Toolkit/Parameter/ParameterDefinition.h"

#include <map>
#include <string>
#include <vector>

// Names the values of a parameter; a value without a text shows as its number.
class EnumeratedDefinition : public ParameterDefinition
{
public:
    // Orders values by their signed integer view, so a one-byte and a two-byte
    // value with the same integer are one key.
    struct IntegerOrder
    {
        bool operator()(const ParameterValue& aLeft, const ParameterValue& aRight) const
        {
            return aLeft.toShort() < aRight.toShort();
        }
    };
    using ValueTexts = std::map<ParameterValue, std::string, IntegerOrder>;

    explicit EnumeratedDefinition(const std::string& aName);
    // Names consecutive values from aFirstValue on, one text each.
    EnumeratedDefinition(const std::string& aName, const std::vector<std::string>& aTexts, int aFirstValue = 0);
    bool formatValue(std::ostream& aStream, const ParameterValue& aValue) const override;

    // Keyed assignment by the tables: definition[ParameterValue(1)] = "On".
    std::string& operator[](const ParameterValue& aValue) { return myValueTexts[aValue]; }
    ValueTexts& valueTexts() { return myValueTexts; }
    const ValueTexts& valueTexts() const { return myValueTexts; }

protected:
    ValueTexts myValueTexts;
};
