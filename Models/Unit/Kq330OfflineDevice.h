#pragma once

#include "Models/Unit/UnitOfflineDevice.h"

// An off-line KQ330: the KQ330 table over the unit's default values.
class Kq330OfflineDevice : public UnitOfflineDevice
{
public:
    Kq330OfflineDevice();
    // A unit holding aValues over the defaults.
    explicit Kq330OfflineDevice(const ParameterValueMap& aValues);

    std::unique_ptr<TableDevice> makeTwin(const ParameterValueMap& aValues) const override;
};
