#pragma once

#include "Toolkit/Parameter/ParameterValue.h"

#include <utility>

class ControlCollection;

// Applies one configuration record to its control parameter and keeps the
// record for another pass when the value did not take. Records of parameters
// that are not restorable are dropped.
class RestoreIdAndValue
{
public:
    // Empties the retry map.
    RestoreIdAndValue(ControlCollection* aCollection, ParameterValueMap* aRetries);
    // Throws "Couldn't find parameter ..." for an id that the collection lacks.
    void operator()(const std::pair<const ParameterId, ParameterValue>& aRecord);

private:
    ControlCollection* myCollection;
    ParameterValueMap* myRetries;
};
