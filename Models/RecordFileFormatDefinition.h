#pragma once

#include "Toolkit/Parameter/EnumeratedDefinition.h"

// The record file formats.
class RecordFileFormatDefinition : public EnumeratedDefinition
{
public:
    RecordFileFormatDefinition();
};
