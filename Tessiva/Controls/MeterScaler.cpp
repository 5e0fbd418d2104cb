#include "Tessiva/Controls/MeterScaler.h"

MeterScaler::~MeterScaler()
{
}
