#include "Tessiva/Controls/EncoderRunningPredicate.h"

#include "Toolkit/Parameter/ParameterValue.h"

EncoderRunningPredicate::EncoderRunningPredicate()
{
}

bool EncoderRunningPredicate::test(const ParameterValue& aValue) const
{
    const short state = aValue.toShort();
    return state == 1 || state == 2;
}
