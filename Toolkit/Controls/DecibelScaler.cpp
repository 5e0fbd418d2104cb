#include "Toolkit/Controls/DecibelScaler.h"

#include <cmath>

double DecibelScaler::scale(double aLevel, double aFloor) const
{
    if (!(aLevel > 0.0))
    {
        return aFloor;
    }
    return 20.0 * std::log10(aLevel);
}
