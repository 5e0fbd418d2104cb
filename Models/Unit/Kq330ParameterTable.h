#pragma once

#include "Models/Unit/ModelParameterTable.h"

inline constexpr UnitModelLimits kq330Limits = {104, 76, 70, 200, "KQ330", "1.03"};

// The KQ330's table.
class Kq330ParameterTable : public ModelParameterTable<kq330Limits>
{
public:
    using ModelParameterTable::ModelParameterTable;
};
