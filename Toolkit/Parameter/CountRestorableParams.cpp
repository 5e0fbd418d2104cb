#include "Toolkit/Parameter/CountRestorableParams.h"

#include "Platform/Assertion.h"

CountRestorableParams::CountRestorableParams(std::uint32_t* aCount)
    : myCount(aCount)
{
    VORNA_ASSERT(aCount != NULL);
}

void CountRestorableParams::take(const std::pair<const ParameterId, ControlParameter>& /*anEntry*/)
{
    ++*myCount;
}
