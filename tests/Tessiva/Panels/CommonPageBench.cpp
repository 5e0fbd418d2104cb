#include "tests/Tessiva/Panels/CommonPageBench.h"

#include "tests/Tessiva/Panels/DeviceParameter.h"

#include "Platform/Window/Bitmap.h"
#include "Tessiva/DeviceSettings.h"
#include "Tessiva/Panels/Pages/BitstreamInfoPage.h"
#include "Tessiva/Panels/Pages/DualMonoPage.h"
#include "Tessiva/Panels/Pages/InputOutputPage.h"
#include "Tessiva/Panels/Pages/PreprocessingPage.h"
#include "Tessiva/Panels/Pages/PresetsPage.h"
#include "Tessiva/Panels/Pages/TimeCodePage.h"
#include "Tessiva/Panels/Pages/UnitInputOutputPage.h"
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
    CTessivaDoc::addResources(resources);
    BitstreamInfoPage::addResources(resources);
    PreprocessingPage::addResources(resources);
    TimeCodePage::addResources(resources);
    InputOutputPage::addResources(resources);
    UnitInputOutputPage::addResources(resources);
    DualMonoPage::addResources(resources);
    PresetsPage::addResources(resources);
    UnitTimeCodePage::addResources(resources);
    resources.addBitmap(UnitInputOutputPage::onLedBitmap, Platform::Bitmap(8, 8));
    resources.addBitmap(UnitInputOutputPage::offLedBitmap, Platform::Bitmap(8, 8));
    return resources;
}
}

CommonPageBench::CommonPageBench()
    : myUser(myBackend),
      myApplication("Tessiva", resources()),
      myParent(new Platform::Window(Platform::WindowKind::Dialog, 0)),
      myKey(0, 0)
{
    myUser.lookAt(*myParent);
}

const Platform::Resources& CommonPageBench::resources()
{
    static const Platform::Resources theResources = makeResources();
    return theResources;
}

DeviceKey CommonPageBench::openOffLine(Model aModel)
{
    DeviceSettings settings(&myDocument);
    ControlCollection& values = settings.controlCollection();
    values.find(DeviceSettings::deviceTypeId).setValue(ParameterValue(static_cast<int>(aModel)));
    values.find(DeviceSettings::offLineId).setValue(ParameterValue(1));
    DeviceKey key(0, 0);
    bool opened = false;
    switch (aModel)
    {
    case Kq310: opened = myDocument.createKq310Device(key, settings); break;
    case Kq330: opened = myDocument.createKq330Device(key, settings); break;
    case Kq350: opened = myDocument.createKq350Device(key, settings); break;
    }
    EXPECT_TRUE(opened);
    myKey = key;
    return key;
}

DeviceKey CommonPageBench::openOnLine(const std::string& aDevicePath)
{
    myProfile.map(onLinePort, aDevicePath);
    DeviceSettings settings(&myDocument);
    ControlCollection& values = settings.controlCollection();
    values.find(DeviceSettings::deviceTypeId).setValue(ParameterValue(static_cast<int>(Kq310)));
    values.find(DeviceSettings::offLineId).setValue(ParameterValue(0));
    values.find(DeviceSettings::portIndexId).setValue(ParameterValue(static_cast<int>(onLinePort) - 1));
    values.find(DeviceSettings::baudRateId).setValue(ParameterValue(2));
    DeviceKey key(0, 0);
    EXPECT_TRUE(myDocument.createKq310Device(key, settings));
    myKey = key;
    return key;
}

Parameter& CommonPageBench::find(const ParameterId& anId, bool aControl)
{
    return deviceParameter(myDocument, myKey, anId, aControl);
}

Parameter& CommonPageBench::control(const ParameterId& anId)
{
    return find(anId, true);
}

Parameter& CommonPageBench::status(const ParameterId& anId)
{
    return find(anId, false);
}

void CommonPageBench::report(const ParameterId& anId, int aValue)
{
    ParameterValueMap values;
    values[anId] = ParameterValue(aValue);
    status(anId).update(values);
}

void CommonPageBench::request(const ParameterId& anId, int aValue)
{
    ControlParameter* parameter = dynamic_cast<ControlParameter*>(&control(anId));
    ASSERT_TRUE(parameter != nullptr);
    parameter->setValue(ParameterValue(aValue));
}

short CommonPageBench::controlValue(const ParameterId& anId)
{
    return control(anId).value().toShort();
}

short CommonPageBench::statusValue(const ParameterId& anId)
{
    return status(anId).value().toShort();
}
