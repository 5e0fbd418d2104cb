#pragma once

#include "Toolkit/Parameter/TextConverter.h"

#include <cstdint>

// Lower-case hexadecimal text of the unsigned view, zero-filled to the width.
class HexTextConverter : public TextConverter
{
public:
    explicit HexTextConverter(std::int32_t aWidth);
    using TextConverter::format;
    using TextConverter::parse;
    bool parse(ParameterValue& aResult, const std::string& aText) const override;
    void format(std::string& aResult, const ParameterValue& aValue) const override;

    std::int32_t width() const { return myWidth; }

private:
    std::int32_t myWidth;
};
