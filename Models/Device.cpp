#include "Models/Device.h"

Device::~Device()
{
}
