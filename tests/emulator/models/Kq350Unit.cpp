#include "tests/emulator/models/Kq350Unit.h"

namespace Emulator
{
const Kq330Unit::Model& Kq350Unit::model()
{
    static const Kq330Unit::Model theModel = {true, 450, "KQ350", "1.11"};
    return theModel;
}

ParameterMap Kq350Unit::freshValues()
{
    return Kq330Unit::freshValues(model());
}
}
