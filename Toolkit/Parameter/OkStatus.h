#pragma once

#include "Toolkit/Parameter/DeviceStatus.h"

// The unit is ready.
class OkStatus : public DeviceStatus
{
public:
    OkStatus();
};
