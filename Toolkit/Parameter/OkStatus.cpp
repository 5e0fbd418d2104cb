#include "Toolkit/Parameter/OkStatus.h"

OkStatus::OkStatus()
    : DeviceStatus("Ok", true)
{
}
