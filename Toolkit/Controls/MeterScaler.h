#pragma once

// Turns a meter's linear level into the units of its scale.
class MeterScaler
{
public:
    virtual ~MeterScaler() = default;
    // aFloor: the value for a level that the scale cannot show.
    virtual double scale(double aLevel, double aFloor) const = 0;
};
