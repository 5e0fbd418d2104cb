#pragma once

#include "Toolkit/Parameter/ParameterValue.h"

#include <string>

// Converts between what the user types into an edit control and a value.
class TextConverter
{
public:
    // On success sets aResult and returns true; else leaves it and returns false.
    [[nodiscard]] virtual bool parse(ParameterValue& aResult, const std::string& aText) const = 0;
    virtual void format(std::string& aResult, const ParameterValue& aValue) const = 0;
    virtual ~TextConverter() = default;

    // The same two conversions for callers that pass the text first or want the text back.
    [[nodiscard]] bool parse(const std::string& aText, ParameterValue& aResult) const { return parse(aResult, aText); }
    std::string format(const ParameterValue& aValue) const
    {
        std::string result;
        format(result, aValue);
        return result;
    }
};
