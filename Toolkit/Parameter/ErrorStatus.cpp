#include "Toolkit/Parameter/ErrorStatus.h"

ErrorStatus::ErrorStatus()
    : DeviceStatus("Error", false)
{
}
