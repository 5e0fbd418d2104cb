#pragma once

#include "Toolkit/Parameter/NumberTextConverter.h"

// Signed decimal text, zero-filled to the width (the zeros go before a sign).
class IntegerTextConverter : public NumberTextConverter
{
public:
    explicit IntegerTextConverter(std::int32_t aWidth) : NumberTextConverter(aWidth) {}
    using TextConverter::format;
    using TextConverter::parse;
    bool parse(ParameterValue& aResult, const std::string& aText) const override;
    void format(std::string& aResult, const ParameterValue& aValue) const override;
};
