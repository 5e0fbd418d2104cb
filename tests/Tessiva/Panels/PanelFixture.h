#pragma once

// A headless stage for the front panels: the program's resources and
// application, a scripted user, the document with a view that drops the tabs
// of closed devices, and a main window holding the tab control of open
// devices (1048). Devices are KQ310s off line unless a test says otherwise.

#include "tests/support/PortProfile.h"

#include "Platform/Framework/Application.h"
#include "Platform/Framework/FormView.h"
#include "Platform/Window/HeadlessBackend.h"
#include "Platform/Window/Resources.h"
#include "Platform/Window/ScriptedUser.h"
#include "Platform/Window/Window.h"
#include "Tessiva/CTessivaDoc.h"
#include "Tessiva/DeviceKey.h"
#include "Tessiva/DeviceSettings.h"
#include "Tessiva/Panels/DeviceTabControl.h"
#include "Tessiva/Panels/Kq310FrontPanel.h"
#include "Toolkit/Parameter/ControlParameter.h"
#include "Toolkit/Parameter/Observer.h"
#include "Toolkit/Parameter/Parameter.h"
#include "Toolkit/Parameter/ControlCollection.h"
#include "Toolkit/Parameter/ParameterId.h"
#include "Toolkit/Parameter/ParameterValue.h"

#include <gtest/gtest.h>

#include <memory>

namespace PanelTesting
{
const int theDeviceTabsId = 1048;

// Holds one parameter while it lives, to read or drive it as the unit would.
class ParameterProbe : public Observer
{
public:
    Parameter* parameter() const { return static_cast<Parameter*>(subject()); }
};

// The view's part in closing: the tabs of devices that are gone go.
class TabsView : public Platform::FormView
{
public:
    explicit TabsView(DeviceTabControl& aTabs) : Platform::FormView(0), myTabs(aTabs) {}
    void onUpdate(Platform::FormView*, long) override
    {
        ++updates;
        if (dropOrphans)
        {
            myTabs.removeOrphanedTabs();
        }
    }
    int updates = 0;
    bool dropOrphans = true;

private:
    DeviceTabControl& myTabs;
};

inline Platform::Resources programResources()
{
    Platform::Resources resources;
    Kq310FrontPanel::addResources(resources);
    CTessivaDoc::addResources(resources);
    return resources;
}

class PanelStage
{
public:
    explicit PanelStage(const Platform::Resources& aResources = programResources())
        : myResources(aResources),
          myApplication("Tessiva", myResources),
          myUser(myBackend),
          myMain(new Platform::Window(Platform::WindowKind::Dialog, 0, "Tessiva")),
          myView(myTabs)
    {
        myDocument.addView(myView);
        myTabWindow = &myMain->createChild(Platform::WindowKind::TabControl, theDeviceTabsId);
        myTabs.attach(myTabWindow);
        // As the view does with its tab control's notification.
        myTabWindow->on(Platform::Notification::TabSelectionChanged,
                        [this](Platform::Event&) { myTabs.selectionChange(); });
        myUser.lookAt(*myMain);
    }

    virtual ~PanelStage()
    {
        myDocument.removeView(myView);
    }

    DeviceKey openKq310()
    {
        DeviceSettings settings(&myDocument);
        ControlCollection& values = settings.controlCollection();
        values.find(DeviceSettings::deviceTypeId).setValue(ParameterValue(0));
        values.find(DeviceSettings::offLineId).setValue(ParameterValue(1));
        DeviceKey key(0, 0);
        EXPECT_TRUE(myDocument.createKq310Device(key, settings));
        return key;
    }

    // Opens a KQ310 off line and puts its panel on a new tab.
    Kq310FrontPanel& addKq310()
    {
        const DeviceKey key = openKq310();
        auto panel = DevicePanel::make<Kq310FrontPanel>(myTabWindow, key, &myDocument, nullptr);
        Kq310FrontPanel& added = *panel;
        myTabs.addPanel("Kq310", std::move(panel));
        return added;
    }

    // The device's parameter; the probe must outlive its use.
    Parameter& control(const DeviceKey& aKey, const ParameterId& anId, ParameterProbe& aProbe)
    {
        myDocument.attachControlObserver(aKey, anId, &aProbe);
        EXPECT_TRUE(aProbe.parameter() != nullptr);
        return *aProbe.parameter();
    }
    Parameter& status(const DeviceKey& aKey, const ParameterId& anId, ParameterProbe& aProbe)
    {
        myDocument.attachStatusObserver(aKey, anId, &aProbe);
        EXPECT_TRUE(aProbe.parameter() != nullptr);
        return *aProbe.parameter();
    }
    short controlValue(const DeviceKey& aKey, const ParameterId& anId)
    {
        ParameterProbe probe;
        return control(aKey, anId, probe).value().toShort();
    }
    // A request as a rule would make it (the unit confirms it off line).
    void setControl(const DeviceKey& aKey, const ParameterId& anId, int aValue)
    {
        ParameterProbe probe;
        static_cast<ControlParameter&>(control(aKey, anId, probe)).setValue(ParameterValue(aValue));
    }
    // A poll that brings a new status value.
    void pollStatus(const DeviceKey& aKey, const ParameterId& anId, int aValue)
    {
        ParameterProbe probe;
        ParameterValueMap values;
        values[anId] = ParameterValue(aValue);
        status(aKey, anId, probe).update(values);
    }

    DeviceKey openKq330()
    {
        DeviceSettings settings(&myDocument);
        ControlCollection& values = settings.controlCollection();
        values.find(DeviceSettings::deviceTypeId).setValue(ParameterValue(1));
        values.find(DeviceSettings::offLineId).setValue(ParameterValue(1));
        DeviceKey key(0, 0);
        EXPECT_TRUE(myDocument.createKq330Device(key, settings));
        return key;
    }

    // The text of string anId.
    std::string text(unsigned anId) const { return myResources.strings().find(anId).value_or("?"); }

    PortProfile myProfile;
    Platform::Resources myResources;
    Platform::Application myApplication;
    Platform::HeadlessBackend myBackend;
    Platform::ScriptedUser myUser;
    CTessivaDoc myDocument;
    // The panels go before their windows, the windows before the devices.
    std::unique_ptr<Platform::Window> myMain;
    DeviceTabControl myTabs;
    TabsView myView;
    Platform::Window* myTabWindow = nullptr;
};

class PanelTest : public ::testing::Test, public PanelStage
{
};
}
