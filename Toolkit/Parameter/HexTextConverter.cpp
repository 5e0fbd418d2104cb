#include "Toolkit/Parameter/HexTextConverter.h"

bool HexTextConverter::parse(ParameterValue& aResult, const std::string& aText) const
{
    std::uint16_t number = 0;
    if (!readNumber(aText, number, std::hex))
    {
        return false;
    }
    aResult = ParameterValue(number);
    return true;
}

void HexTextConverter::format(std::string& aResult, const ParameterValue& aValue) const
{
    aResult = zeroFilled(aValue.toUnsignedShort(), std::hex);
}
