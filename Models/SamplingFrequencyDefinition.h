#pragma once

#include "Toolkit/Parameter/EnumeratedDefinition.h"

#include <string>

// The sampling-frequency texts shared by every sampling-frequency parameter
// (coding, bit-stream, input and reference-input groups).
class SamplingFrequencyDefinition : public EnumeratedDefinition
{
public:
    explicit SamplingFrequencyDefinition(const std::string& aName);
};
