#pragma once

#include "Toolkit/Parameter/DeviceStatus.h"

// The unit is working on a request.
class BusyStatus : public DeviceStatus
{
public:
    BusyStatus();
};
