#include "Toolkit/Parameter/IntegerTextConverter.h"

bool IntegerTextConverter::parse(ParameterValue& aResult, const std::string& aText) const
{
    std::int16_t number = 0;
    if (!readNumber(aText, number))
    {
        return false;
    }
    aResult = ParameterValue(number);
    return true;
}

void IntegerTextConverter::format(std::string& aResult, const ParameterValue& aValue) const
{
    aResult = zeroFilled(aValue.toShort());
}
