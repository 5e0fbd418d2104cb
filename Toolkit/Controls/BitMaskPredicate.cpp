#include "Toolkit/Controls/BitMaskPredicate.h"

#include "Toolkit/Parameter/ParameterValue.h"

BitMaskPredicate::BitMaskPredicate(std::uint16_t aMask)
    : myMask(aMask)
{
}

bool BitMaskPredicate::test(const ParameterValue& aValue) const
{
    return (aValue.toUnsignedShort() & myMask) != 0;
}
