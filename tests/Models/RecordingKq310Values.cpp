#include "RecordingKq310Values.h"

RecordingKq310Values::RecordingKq310Values(std::uint8_t aMultiChannel)
    : OfflineKq310Values(aMultiChannel)
{
}

void RecordingKq310Values::setValue(const ParameterId& anId, const ParameterValue& aValue, std::uint32_t aSettleTime)
{
    writes.push_back(Write{anId, aValue.toShort()});
    OfflineKq310Values::setValue(anId, aValue, aSettleTime);
}

void RecordingKq310Values::getValues(const std::vector<ParameterId>& aRequested, ParameterValueMap& aResult)
{
    requestedGroups += aRequested.empty() ? '-' : static_cast<char>(aRequested.front().group());
    OfflineKq310Values::getValues(aRequested, aResult);
    if (!aRequested.empty() && aRequested.front().group() == static_cast<signed char>(misansweredGroup))
    {
        ParameterValueMap answer;
        for (const ParameterValueMap::value_type& entry : aResult)
        {
            answer[entry.first.next()] = entry.second;
        }
        aResult.swap(answer);
    }
}

void RecordingKq310Values::hold(int aGroup, int anIndex, int aValue)
{
    myValues[ParameterId(aGroup, anIndex)] = ParameterValue(aValue);
}
