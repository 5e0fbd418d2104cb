#include "Models/Unit/RecallPresetPendingDefinition.h"

#include <ostream>

RecallPresetPendingDefinition::RecallPresetPendingDefinition()
    : ParameterDefinition("Recall Preset Pending")
{
}

bool RecallPresetPendingDefinition::formatValue(std::ostream& aStream, const ParameterValue& aValue) const
{
    const int preset = aValue.toShort();
    if (preset == 0)
    {
        aStream << "None";
    }
    else
    {
        aStream << preset;
    }
    return isGood(aStream);
}
