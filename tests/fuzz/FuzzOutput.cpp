#include "tests/fuzz/FuzzOutput.h"

#include "Platform/Assertion.h"

FuzzOutput& FuzzOutput::text(const std::string& aText)
{
    VORNA_ASSERT(aText.size() <= 0xFF);
    byte(static_cast<std::uint8_t>(aText.size()));
    myBytes += aText;
    return *this;
}
