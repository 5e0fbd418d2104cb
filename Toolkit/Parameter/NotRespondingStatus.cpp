#include "Toolkit/Parameter/NotRespondingStatus.h"

NotRespondingStatus::NotRespondingStatus()
    : DeviceStatus("Not Responding", false)
{
}
