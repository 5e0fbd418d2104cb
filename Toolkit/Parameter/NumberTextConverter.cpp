#include "Toolkit/Parameter/NumberTextConverter.h"

std::string NumberTextConverter::zeroFilled(long aNumber, Base aBase) const
{
    std::ostringstream stream;
    stream << aBase;
    stream.width(myWidth);
    stream.fill('0');
    stream << aNumber;
    return stream.str();
}
