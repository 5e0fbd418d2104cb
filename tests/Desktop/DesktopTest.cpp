#include "tests/Desktop/DesktopTest.h"

#include "Platform/Window/Window.h"
#include "Platform/Wx/WxBackend.h"
#include "Platform/Wx/WxView.h"
#include "tests/Desktop/DesktopSession.h"
#include "tests/Desktop/LayoutCheck.h"

#include <wx/scrolwin.h>
#include <wx/uiaction.h>
#include <wx/window.h>

#include <algorithm>
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

namespace
{
void collectShownControls(const Platform::Window& aWindow, std::vector<const Platform::Window*>& aControls)
{
    for (const Platform::Window* child : aWindow.children())
    {
        if (!child->isShown())
        {
            continue;
        }
        if (child->children().empty())
        {
            aControls.push_back(child);
        }
        collectShownControls(*child, aControls);
    }
}
}

void DesktopTest::expectEveryControlScrollsIntoView(const Platform::Window& aView, int aDirections,
                                                    const std::string& aName)
{
    backend->settle(300);
    wxScrolledWindow* form = dynamic_cast<wxScrolledWindow*>(backend->view().widgetOf(aView));
    ASSERT_NE(form, nullptr) << aName << ": the view does not scroll";
    const wxSize client = form->GetClientSize();
    const wxSize extent = form->GetVirtualSize();
    for (const int direction : {wxHORIZONTAL, wxVERTICAL})
    {
        if ((aDirections & direction) != 0)
        {
            const bool vertical = direction == wxVERTICAL;
            EXPECT_GT(vertical ? extent.y : extent.x, vertical ? client.y : client.x) << aName;
            EXPECT_GT(form->GetScrollRange(direction), form->GetScrollThumb(direction))
                << aName << ": no scroll bar " << (vertical ? "down" : "across");
        }
    }
    int stepX = 1;
    int stepY = 1;
    form->GetScrollPixelsPerUnit(&stepX, &stepY);
    ASSERT_GT(stepX, 0);
    ASSERT_GT(stepY, 0);
    std::vector<const Platform::Window*> controls;
    collectShownControls(aView, controls);
    ASSERT_FALSE(controls.empty());
    for (const Platform::Window* control : controls)
    {
        wxWindow* widget = backend->view().widgetOf(*control);
        ASSERT_NE(widget, nullptr) << aName << ": " << control->describe();
        const wxPoint where = form->CalcUnscrolledPosition(form->ScreenToClient(widget->GetScreenPosition()));
        form->Scroll(where.x / stepX, where.y / stepY);
        backend->settle(100);
        const wxRect seen(form->ClientToScreen(wxPoint(0, 0)), client);
        const wxRect place = widget->GetScreenRect();
        // A control larger than the view shows its top left corner and what
        // fits beside it (the view scrolls by whole steps).
        const wxRect needed(place.GetPosition(), wxSize(std::min(place.width, client.x - stepX),
                                                        std::min(place.height, client.y - stepY)));
        EXPECT_TRUE(seen.Contains(needed)) << aName << ": " << control->describe() << " at (" << place.x << ", "
                                           << place.y << ") cannot be scrolled into the view at (" << seen.x << ", "
                                           << seen.y << ", " << seen.width << " x " << seen.height << ")";
    }
    form->Scroll(0, 0);
    backend->settle(100);
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
