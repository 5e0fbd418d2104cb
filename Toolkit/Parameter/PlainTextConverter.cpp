#include "Toolkit/Parameter/PlainTextConverter.h"

PlainTextConverter::PlainTextConverter()
{
}

bool PlainTextConverter::parse(ParameterValue& aResult, const std::string& aText) const
{
    aResult = ParameterValue(aText);
    return true;
}

void PlainTextConverter::format(std::string& aResult, const ParameterValue& aValue) const
{
    aResult = aValue.toString();
}
