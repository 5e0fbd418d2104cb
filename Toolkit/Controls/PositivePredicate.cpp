#include "Toolkit/Controls/PositivePredicate.h"

#include "Toolkit/Parameter/ParameterValue.h"

PositivePredicate::PositivePredicate()
{
}

bool PositivePredicate::test(const ParameterValue& aValue) const
{
    return aValue.toShort() > 0;
}
