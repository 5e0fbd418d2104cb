#pragma once

#include "Toolkit/Parameter/EnumeratedDefinition.h"

#include <string>

// Record and playback enabling.
class RecordPlayDefinition : public EnumeratedDefinition
{
public:
    explicit RecordPlayDefinition(const std::string& aName);
};
