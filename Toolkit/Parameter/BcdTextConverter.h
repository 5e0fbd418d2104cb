#pragma once

#include "Toolkit/Parameter/NumberTextConverter.h"

// Decimal text of a packed-BCD byte, zero-filled to the width.
class BcdTextConverter : public NumberTextConverter
{
public:
    explicit BcdTextConverter(std::int32_t aWidth) : NumberTextConverter(aWidth) {}
    using TextConverter::format;
    using TextConverter::parse;
    bool parse(ParameterValue& aResult, const std::string& aText) const override;
    void format(std::string& aResult, const ParameterValue& aValue) const override;
};
