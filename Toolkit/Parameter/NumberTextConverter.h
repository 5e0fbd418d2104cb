#pragma once

#include "Toolkit/Parameter/TextConverter.h"

#include <cstdint>
#include <ios>
#include <sstream>
#include <string>

// What the numeric converters share: the width their text is zero-filled to
// and the standard stream conversions both ways.
class NumberTextConverter : public TextConverter
{
public:
    std::int32_t width() const { return myWidth; }

protected:
    using Base = std::ios_base& (*)(std::ios_base&);

    explicit NumberTextConverter(std::int32_t aWidth) : myWidth(aWidth) {}

    // A number from the start of the text in the base, by stream extraction
    // (white space before it skipped, what follows it ignored); false when
    // there is none or it does not fit aNumber.
    template <typename Number>
    static bool readNumber(const std::string& aText, Number& aNumber, Base aBase = std::dec)
    {
        std::istringstream stream(aText);
        return static_cast<bool>(stream >> aBase >> aNumber);
    }
    // aNumber in the base, zero-filled to the width; the zeros go before
    // everything, a sign included (-5 at width 3 is 0-5).
    std::string zeroFilled(long aNumber, Base aBase = std::dec) const;

private:
    std::int32_t myWidth;
};
