#pragma once

#include "Platform/Wx/WxBackend.h"
#include "tests/Desktop/DesktopUser.h"

#include <gtest/gtest.h>
#include <wx/gdicmn.h>
#include <wx/image.h>

namespace Platform
{
// A test of a real program driven by a person's real input: the desktop
// session with a window manager (windows get the focus as on a desktop), and
// the test fails on the toolkit's warnings and criticals during it.
class InputTest : public testing::Test
{
protected:
    // Skips the test (with the reason) when there is no desktop.
    void SetUp() override;
    // Fails on what the toolkit complained of during the test.
    void TearDown() override;

    static WxBackend& backend();
    // Whether a tool tip shows on the screen now; on the main thread.
    static bool isToolTipShown();
    // Whether the top-level window draws its focused control's ring; on the main thread.
    static bool isFocusRingShown(wxWindow& aTopLevel);
    // Whether the scrolled window shows a scroll bar that stays, not one that
    // shows only under the pointer; on the main thread.
    static bool showsRealScrollBar(wxWindow& aWindow, bool aHorizontal);
    // The top-level window's own drawing area on the screen, inside the
    // window manager's frame; on the main thread.
    static wxRect drawingAreaOnScreen(wxWindow& aTopLevel);

    DesktopUser user;

public:
    // The model window whose widget has the toolkit's keyboard focus (a tab
    // row's, for one of its tabs), or nullptr; on the main thread.
    static Window* toolkitFocus();
    // What the screen shows in aPlace now, as drawn; on the main thread.
    static wxImage screenImage(const wxRect& aPlace);
};
}
