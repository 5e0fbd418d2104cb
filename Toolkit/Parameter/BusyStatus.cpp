#include "Toolkit/Parameter/BusyStatus.h"

BusyStatus::BusyStatus()
    : DeviceStatus("Busy", false)
{
}
