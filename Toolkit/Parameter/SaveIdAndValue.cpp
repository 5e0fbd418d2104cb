#include "Toolkit/Parameter/SaveIdAndValue.h"

#include "Platform/Assertion.h"

SaveIdAndValue::SaveIdAndValue(std::ostream& aStream, std::uint32_t* aChecksum)
    : myStream(&aStream), myChecksum(aChecksum)
{
    VORNA_ASSERT(aChecksum != NULL);
}

void SaveIdAndValue::take(const std::pair<const ParameterId, ControlParameter>& anEntry)
{
    anEntry.first.save(*myStream, myChecksum);
    anEntry.second.value().save(*myStream, myChecksum);
}
