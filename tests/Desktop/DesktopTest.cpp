#include "tests/Desktop/DesktopTest.h"

#include "Platform/Window/Window.h"
#include "Platform/Wx/WxBackend.h"
#include "tests/Desktop/DesktopSession.h"
#include "tests/Desktop/LayoutCheck.h"

#include <wx/uiaction.h>
#include <wx/window.h>

#include <vector>

namespace
{
const std::chrono::seconds dialogWait(10);

std::string joined(const std::vector<std::string>& aLines)
{
    std::string all;
    for (const std::string& line : aLines)
    {
        all += line + "\n";
    }
    return all;
}
}

void DesktopTest::SetUp()
{
    backend = DesktopSession::backend();
    ASSERT_NE(backend, nullptr) << DesktopSession::problem();
}

// Whatever the toolkit complained of since the last test (or its start) fails this one.
void DesktopTest::TearDown()
{
    const std::vector<std::string> complaints = DesktopSession::takeToolkitComplaints();
    EXPECT_TRUE(complaints.empty()) << joined(complaints);
}

void DesktopTest::look(const Platform::Window& aWindow, const std::string& aName)
{
    backend->settle(400);
    const std::vector<std::string> faults = layoutFaults(backend->view(), aWindow, aName);
    EXPECT_TRUE(faults.empty()) << joined(faults);
    EXPECT_TRUE(DesktopSession::saveScreenshot(aName, aWindow)) << aName;
}

void DesktopTest::click(wxWindow* aWidget)
{
    ASSERT_NE(aWidget, nullptr);
    wxUIActionSimulator mouse;
    mouse.MouseMove(aWidget->GetScreenRect().GetPosition() + wxPoint(aWidget->GetSize().x / 2, aWidget->GetSize().y / 2));
    mouse.MouseClick();
    backend->settle(300);
}

void DesktopTest::whenModal(unsigned aTemplateId, const std::function<void(Platform::Window&)>& anAction)
{
    whenModal(aTemplateId, anAction, std::chrono::steady_clock::now() + dialogWait);
}

void DesktopTest::whenModal(unsigned aTemplateId, const std::function<void(Platform::Window&)>& anAction,
                            std::chrono::steady_clock::time_point aDeadline)
{
    backend->later([this, aTemplateId, anAction, aDeadline]() {
        Platform::Window* dialog = const_cast<Platform::Window*>(backend->innermostModal());
        if (dialog == nullptr || (aTemplateId != 0 && dialog->templateId() != aTemplateId))
        {
            if (std::chrono::steady_clock::now() > aDeadline)
            {
                ADD_FAILURE() << "dialog " << aTemplateId << " never came";
                return;
            }
            whenModal(aTemplateId, anAction, aDeadline);
            return;
        }
        anAction(*dialog);
    });
}
