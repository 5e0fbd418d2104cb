#pragma once

#include "Toolkit/Controls/MeterScaler.h"

// Leaves the level as it is: the meter shows raw value x scale factor + offset.
class LinearScaler : public MeterScaler
{
public:
    // Every level has a place on a linear scale, so the floor is never needed.
    double scale(double aLevel, double aFloor) const override;
};
