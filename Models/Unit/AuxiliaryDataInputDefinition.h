#pragma once

#include "Toolkit/Parameter/EnumeratedDefinition.h"

// The rate of the auxiliary data carried in the stream, or none.
class AuxiliaryDataInputDefinition : public EnumeratedDefinition
{
public:
    AuxiliaryDataInputDefinition();
};
