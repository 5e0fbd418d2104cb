#include "tests/Tessiva/Panels/DeviceParameter.h"

#include "Toolkit/Parameter/Observer.h"

#include <gtest/gtest.h>

namespace
{
class Probe : public Observer
{
};
}

Parameter& deviceParameter(CTessivaDoc& aDocument, const DeviceKey& aKey, const ParameterId& anId, bool aControl)
{
    Probe probe;
    if (aControl)
    {
        aDocument.attachControlObserver(aKey, anId, &probe);
    }
    else
    {
        aDocument.attachStatusObserver(aKey, anId, &probe);
    }
    Parameter* found = dynamic_cast<Parameter*>(probe.subject());
    EXPECT_TRUE(found != nullptr);
    return *found;
}
