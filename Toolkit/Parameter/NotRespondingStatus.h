#pragma once

#include "Toolkit/Parameter/DeviceStatus.h"

// The unit gave no answer.
class NotRespondingStatus : public DeviceStatus
{
public:
    NotRespondingStatus();
};
