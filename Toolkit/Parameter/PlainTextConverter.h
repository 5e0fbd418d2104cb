#pragma once

#include "Toolkit/Parameter/TextConverter.h"

// The text's characters are the value's bytes, both ways.
class PlainTextConverter : public TextConverter
{
public:
    PlainTextConverter();
    using TextConverter::format;
    using TextConverter::parse;
    bool parse(ParameterValue& aResult, const std::string& aText) const override;
    void format(std::string& aResult, const ParameterValue& aValue) const override;
};

using StringTextConverter = PlainTextConverter;
