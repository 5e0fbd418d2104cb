#pragma once

#include "Toolkit/Controls/MeterScaler.h"

// Decibels of an amplitude: 20 log10(level). Silence and below it (a level
// of 0 or less, which has no logarithm) give the floor.
class DecibelScaler : public MeterScaler
{
public:
    double scale(double aLevel, double aFloor) const override;
};
