#include "Toolkit/Controls/LinearScaler.h"

double LinearScaler::scale(double aLevel, double) const
{
    return aLevel;
}
