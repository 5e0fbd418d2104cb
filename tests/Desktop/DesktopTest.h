#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>

class wxWindow;

namespace Platform
{
class Window;
class WxBackend;
}

// A test of a program on the desktop: it fails on any complaint of the
// toolkit since the test before, looks at windows as a person would, and
// acts on modal dialogs once they run.
class DesktopTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Checks how aWindow shows (LayoutCheck) and keeps its picture as aName.
    void look(const Platform::Window& aWindow, const std::string& aName);
    // The frame's form view aView shows scroll bars (aDirections: wxVERTICAL,
    // wxHORIZONTAL or both) and each control visible in it comes into sight
    // when the view is scrolled to it.
    void expectEveryControlScrollsIntoView(const Platform::Window& aView, int aDirections, const std::string& aName);
    // A click of the mouse in the middle of aWidget, as the desktop delivers it.
    void click(wxWindow* aWidget);
    // Runs anAction on the modal dialog of template aTemplateId (0: any) once
    // it runs; a dialog that never comes fails the test instead of waiting on.
    void whenModal(unsigned aTemplateId, const std::function<void(Platform::Window&)>& anAction);

    Platform::WxBackend* backend = nullptr;

private:
    void whenModal(unsigned aTemplateId, const std::function<void(Platform::Window&)>& anAction,
                   std::chrono::steady_clock::time_point aDeadline);
};
