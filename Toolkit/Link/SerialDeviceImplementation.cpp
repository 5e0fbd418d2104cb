#include "Toolkit/Link/SerialDeviceImplementation.h"

SerialDeviceImplementation::~SerialDeviceImplementation()
{
}
