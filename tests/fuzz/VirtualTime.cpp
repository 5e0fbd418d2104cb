#include "tests/fuzz/VirtualTime.h"

VirtualTime::VirtualTime()
{
    Platform::SteadyWait::setTimeSource(this);
}

VirtualTime::~VirtualTime()
{
    Platform::SteadyWait::setTimeSource(nullptr);
}
