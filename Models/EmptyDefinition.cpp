#include "Models/EmptyDefinition.h"

EmptyDefinition::EmptyDefinition()
    : ParameterDefinition(std::string())
{
}

bool EmptyDefinition::formatValue(std::ostream&, const ParameterValue&) const
{
    return false;
}

bool EmptyDefinition::formatName(std::ostream&) const
{
    return false;
}
