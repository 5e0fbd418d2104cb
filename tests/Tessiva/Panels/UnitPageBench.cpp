#include "tests/Tessiva/Panels/UnitPageBench.h"

#include "tests/Tessiva/Panels/DeviceParameter.h"

#include "Platform/Framework/StandardResources.h"
#include "Tessiva/DeviceSettings.h"
#include "Tessiva/Panels/Pages/DualMonoPage.h"
#include "Tessiva/Panels/Pages/PresetsPage.h"
#include "Tessiva/Panels/Pages/ReferenceInputPage.h"
#include "Tessiva/Panels/UnitFrontPanel.h"
#include "Tessiva/Panels/Pages/UnitTimeCodePage.h"
#include "Toolkit/Parameter/ControlCollection.h"
#include "Toolkit/Parameter/ControlParameter.h"
#include "Toolkit/Parameter/Parameter.h"
#include "Toolkit/Parameter/ParameterValueMap.h"

namespace
{
Platform::Resources makeResources()
{
    Platform::Resources resources;
    Platform::StandardResources::addTo(resources);
    CTessivaDoc::addResources(resources);
    DualMonoPage::addResources(resources);
    ReferenceInputPage::addResources(resources);
    PresetsPage::addResources(resources);
    UnitTimeCodePage::addResources(resources);
    UnitFrontPanel::addResources(resources);
    return resources;
}
}

UnitPageBench::UnitPageBench() : UnitPageBench(resources())
{
}

UnitPageBench::UnitPageBench(const Platform::Resources& aResources)
    : myUser(myBackend),
      myApplication("Tessiva", aResources),
      myParent(new Platform::Window(Platform::WindowKind::Dialog, 0)),
      myKey(0, 0)
{
    myUser.lookAt(*myParent);
}

const Platform::Resources& UnitPageBench::resources()
{
    static const Platform::Resources theResources = makeResources();
    return theResources;
}

DeviceKey UnitPageBench::open(int aModel)
{
    DeviceSettings settings(&myDocument);
    ControlCollection& values = settings.controlCollection();
    values.find(DeviceSettings::deviceTypeId).setValue(ParameterValue(aModel));
    values.find(DeviceSettings::offLineId).setValue(ParameterValue(1));
    DeviceKey key(0, 0);
    const bool opened = aModel == Kq330 ? myDocument.createKq330Device(key, settings)
                                        : myDocument.createKq350Device(key, settings);
    EXPECT_TRUE(opened);
    myKey = key;
    return key;
}

Parameter& UnitPageBench::find(const ParameterId& anId, bool aControl)
{
    return deviceParameter(myDocument, myKey, anId, aControl);
}

Parameter& UnitPageBench::control(const ParameterId& anId)
{
    return find(anId, true);
}

Parameter& UnitPageBench::status(const ParameterId& anId)
{
    return find(anId, false);
}

void UnitPageBench::report(const ParameterId& anId, const ParameterValue& aValue)
{
    ParameterValueMap values;
    values[anId] = aValue;
    status(anId).update(values);
}

void UnitPageBench::request(const ParameterId& anId, const ParameterValue& aValue)
{
    ControlParameter* parameter = dynamic_cast<ControlParameter*>(&control(anId));
    ASSERT_TRUE(parameter != nullptr);
    parameter->setValue(aValue);
}

std::string UnitPageBench::controlText(const ParameterId& anId)
{
    return control(anId).value().toString();
}

std::string modelName(const ::testing::TestParamInfo<int>& anInfo)
{
    return anInfo.param == 1 ? "Kq330" : "Kq350";
}
