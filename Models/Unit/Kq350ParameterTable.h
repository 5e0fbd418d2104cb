#pragma once

#include "Models/Unit/ModelParameterTable.h"

inline constexpr UnitModelLimits kq350Limits = {268, 195, 179, 450, "KQ350", "1.11"};

// The KQ350's table.
class Kq350ParameterTable : public ModelParameterTable<kq350Limits>
{
public:
    using ModelParameterTable::ModelParameterTable;
};
