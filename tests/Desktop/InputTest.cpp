#include "tests/Desktop/InputTest.h"

#include "tests/Desktop/DesktopSession.h"

#include "Platform/Window/Window.h"
#include "Platform/Wx/WxView.h"

#include <wx/tglbtn.h>

#include <string>
#include <vector>

namespace
{
const bool theWindowManager = DesktopSession::requestWindowManager();
}

namespace Platform
{
void InputTest::SetUp()
{
    if (DesktopSession::backend() == nullptr)
    {
        GTEST_SKIP() << "no desktop: " << DesktopSession::problem();
    }
    DesktopSession::takeToolkitComplaints();
}

void InputTest::TearDown()
{
    EXPECT_EQ(std::vector<std::string>(), DesktopSession::takeToolkitComplaints()) << "the toolkit complained";
}

WxBackend& InputTest::backend()
{
    return *DesktopSession::backend();
}

Window* InputTest::toolkitFocus()
{
    wxWindow* focus = wxWindow::FindFocus();
    if (focus == nullptr)
    {
        return nullptr;
    }
    if (Window* window = backend().view().windowOf(focus))
    {
        return window;
    }
    Window* parent = dynamic_cast<wxToggleButton*>(focus) != nullptr ? backend().view().windowOf(focus->GetParent())
                                                                      : nullptr;
    return parent != nullptr && parent->kind() == WindowKind::TabControl ? parent : nullptr;
}
}
