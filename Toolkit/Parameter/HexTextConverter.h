#pragma once

#include "Toolkit/Parameter/NumberTextConverter.h"

// Lower-case hexadecimal text of the unsigned view, zero-filled to the width.
class HexTextConverter : public NumberTextConverter
{
public:
    explicit HexTextConverter(std::int32_t aWidth) : NumberTextConverter(aWidth) {}
    using TextConverter::format;
    using TextConverter::parse;
    bool parse(ParameterValue& aResult, const std::string& aText) const override;
    void format(std::string& aResult, const ParameterValue& aValue) const override;
};
