#include "Toolkit/Parameter/BcdTextConverter.h"

bool BcdTextConverter::parse(ParameterValue& aResult, const std::string& aText) const
{
    std::int16_t number = 0;
    if (!readNumber(aText, number))
    {
        return false;
    }
    // Numbers outside 0..99 give a byte that is not packed BCD; the edit control
    // decides whether to allow them.
    const int low = static_cast<signed char>(static_cast<unsigned char>(number & 0xFF));
    // Unsigned arithmetic: the same bits as the signed form, without shifting a negative number.
    const unsigned int byte =
        ((static_cast<unsigned int>(low / 10) << 4) | static_cast<unsigned int>(low % 10)) & 0xFF;
    aResult = ParameterValue(static_cast<std::int32_t>(byte));
    return true;
}

void BcdTextConverter::format(std::string& aResult, const ParameterValue& aValue) const
{
    const unsigned int byte = aValue.toUnsignedShort() & 0xFF;
    aResult = zeroFilled(static_cast<long>(((byte >> 4) & 0x0F) * 10 + (byte & 0x0F)));
}
