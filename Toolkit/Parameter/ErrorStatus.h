#pragma once

#include "Toolkit/Parameter/DeviceStatus.h"

// The unit reported an error.
class ErrorStatus : public DeviceStatus
{
public:
    ErrorStatus();
};
