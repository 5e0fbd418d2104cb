#include "Toolkit/Parameter/TwoStateDefinition.h"

#include <ostream>
#include <utility>

TwoStateDefinition::TwoStateDefinition(const std::string& aName, std::string aTextForZero,
                                       std::string aTextForNonZero)
    : ParameterDefinition(aName), myTextForZero(std::move(aTextForZero)), myTextForNonZero(std::move(aTextForNonZero))
{
}

bool TwoStateDefinition::formatValue(std::ostream& aStream, const ParameterValue& aValue) const
{
    aStream << (aValue.toShort() != 0 ? myTextForNonZero : myTextForZero);
    return isGood(aStream);
}
