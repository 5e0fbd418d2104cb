#pragma once

#include "Toolkit/Parameter/EnumeratedDefinition.h"

#include <string>

// Digital deemphasis: automatic, off or on.
class DeemphasisDefinition : public EnumeratedDefinition
{
public:
    explicit DeemphasisDefinition(const std::string& aName);
};
