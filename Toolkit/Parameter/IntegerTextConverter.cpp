#include "Toolkit/Parameter/IntegerTextConverter.h"

#include <sstream>

IntegerTextConverter::IntegerTextConverter(std::int32_t aWidth)
    : myWidth(aWidth)
{
}

bool IntegerTextConverter::parse(ParameterValue& aResult, const std::string& aText) const
{
    std::istringstream stream(aText);
    std::int16_t number = 0;
    if (!(stream >> number))
    {
        return false;
    }
    aResult = ParameterValue(number);
    return true;
}

void IntegerTextConverter::format(std::string& aResult, const ParameterValue& aValue) const
{
    // The fill goes before everything, the sign included: -5 at width 3 is 0-5.
    std::ostringstream stream;
    stream.width(myWidth);
    stream.fill('0');
    stream << static_cast<int>(aValue.toShort());
    aResult = stream.str();
}
