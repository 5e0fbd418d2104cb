#pragma once

#include "Models/Unit/UnitOfflineDevice.h"

// An off-line KQ350: the KQ350 table over the unit's default values.
class Kq350OfflineDevice : public UnitOfflineDevice
{
public:
    Kq350OfflineDevice();
    // A unit holding aValues over the defaults.
    explicit Kq350OfflineDevice(const ParameterValueMap& aValues);

    std::unique_ptr<TableDevice> makeTwin(const ParameterValueMap& aValues) const override;
};
