#pragma once

#include "Models/Unit/UnitOfflineDevice.h"

// An off-line KQ350: the KQ350 table over the unit's default values.
class Kq350OfflineDevice : public UnitOfflineDevice
{
public:
    Kq350OfflineDevice();
};
