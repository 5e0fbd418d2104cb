#include "Toolkit/Parameter/HexTextConverter.h"

#include <sstream>

HexTextConverter::HexTextConverter(std::int32_t aWidth)
    : myWidth(aWidth)
{
}

bool HexTextConverter::parse(ParameterValue& aResult, const std::string& aText) const
{
    std::istringstream stream(aText);
    std::uint16_t number = 0;
    if (!(stream >> std::hex >> number))
    {
        return false;
    }
    aResult = ParameterValue(number);
    return true;
}

void HexTextConverter::format(std::string& aResult, const ParameterValue& aValue) const
{
    std::ostringstream stream;
    stream << std::hex;
    stream.width(myWidth);
    stream.fill('0');
    stream << static_cast<unsigned int>(aValue.toUnsignedShort());
    aResult = stream.str();
}
