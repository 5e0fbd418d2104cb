#pragma once

#include "Toolkit/Parameter/EnumeratedDefinition.h"

#include <string>

// Which of the six physical inputs feeds a channel.
class InputAssignDefinition : public EnumeratedDefinition
{
public:
    explicit InputAssignDefinition(const std::string& aName);
};
