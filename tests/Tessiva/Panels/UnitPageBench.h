#pragma once

#include "tests/support/PortProfile.h"

#include "Platform/Framework/Application.h"
#include "Platform/Window/HeadlessBackend.h"
#include "Platform/Window/Resources.h"
#include "Platform/Window/ScriptedUser.h"
#include "Platform/Window/Window.h"
#include "Tessiva/CTessivaDoc.h"
#include "Tessiva/DeviceKey.h"
#include "Toolkit/Parameter/Parameter.h"
#include "Toolkit/Parameter/ParameterId.h"
#include "Toolkit/Parameter/ParameterValue.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>


// What the KQ330/KQ350 pages and panel run on in a test: the program's
// resources, an application, the headless backend with a scripted user, a
// document holding an off-line device of the model, and a window to hold
// the pages.
class UnitPageBench : public ::testing::TestWithParam<int>
{
protected:
    enum Model
    {
        Kq330 = 1,
        Kq350 = 2
    };

    UnitPageBench();
    // On other resources, which must outlive the bench.
    explicit UnitPageBench(const Platform::Resources& aResources);

    static const Platform::Resources& resources();

    // Opens an off-line device of the model and hands out its key.
    DeviceKey open(int aModel);
    Model model() const { return static_cast<Model>(GetParam()); }

    Parameter& control(const ParameterId& anId);
    Parameter& status(const ParameterId& anId);
    // Sets a status parameter as a poll would.
    void report(const ParameterId& anId, const ParameterValue& aValue);
    // Sets a control parameter as the user's request would.
    void request(const ParameterId& anId, const ParameterValue& aValue);
    short controlValue(const ParameterId& anId) { return control(anId).value().toShort(); }
    std::string controlText(const ParameterId& anId);

    Platform::Window& parent() { return *myParent; }

    PortProfile myProfile;
    Platform::HeadlessBackend myBackend;
    Platform::ScriptedUser myUser;
    Platform::Application myApplication;
    CTessivaDoc myDocument;
    std::unique_ptr<Platform::Window> myParent;
    DeviceKey myKey;

private:
    Parameter& find(const ParameterId& anId, bool aControl);
};

std::string modelName(const ::testing::TestParamInfo<int>& anInfo);
