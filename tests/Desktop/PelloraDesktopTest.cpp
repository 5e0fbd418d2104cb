// Pellora itself on the desktop's drawing backend: its window and every
// template laid out whole, the frame sized by the user, and closed.
#include "tests/Desktop/DesktopTest.h"
#include "tests/support/PortProfile.h"

#include "Pellora/Program/PelloraApp.h"
#include "Platform/Framework/CommandIds.h"
#include "Platform/Framework/MainFrame.h"
#include "Platform/Framework/MinMaxInfo.h"
#include "Platform/Window/UserInput.h"
#include "Platform/Window/Window.h"
#include "Platform/Wx/WxBackend.h"
#include "Platform/Wx/WxView.h"

#include <gtest/gtest.h>

#include <wx/frame.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

using Platform::Window;
using Platform::WindowKind;

namespace
{
class PelloraDesktopTest : public DesktopTest
{
protected:
    PortProfile profile;
};

TEST_F(PelloraDesktopTest, TheWindowAndEveryTemplateShowWholeAndTheFrameFollowsTheUser)
{
    PelloraApp application;
    ASSERT_TRUE(application.start({}));
    Platform::MainFrame* frame = application.mainFrame();
    ASSERT_NE(frame, nullptr);
    look(frame->window(), "pellora-window");

    const Platform::Resources& resources = application.resources();
    for (unsigned id : resources.dialogIds())
    {
        const Platform::DialogTemplate& layout = *resources.dialog(id);
        if (layout.style().child)
        {
            continue; // the form view, shown in the window above
        }
        std::unique_ptr<Window> shown = layout.create();
        shown->centreIn(backend->screenArea());
        backend->openWindow(*shown);
        look(*shown, "pellora-template-" + std::to_string(id));
        backend->closeWindow(*shown);
    }

    whenModal(0, [this](Window& aDialog) {
        look(aDialog, "pellora-about");
        Platform::UserInput(&aDialog).enter(aDialog);
    });
    frame->window().command(static_cast<int>(Platform::CommandIds::appAbout));

    wxFrame* widget = dynamic_cast<wxFrame*>(backend->view().widgetOf(frame->window()));
    ASSERT_NE(widget, nullptr);
    for (const wxSize& size : {wxSize(700, 500), wxSize(400, 300)})
    {
        widget->SetClientSize(size);
        backend->settle(500);
        const wxSize client = widget->GetClientSize();
        EXPECT_EQ(frame->window().rectangle().width(), client.x);
        EXPECT_EQ(frame->window().rectangle().height(), client.y);
        Window* status = frame->statusBar();
        ASSERT_NE(status, nullptr);
        wxWindow* bar = backend->view().widgetOf(*status);
        ASSERT_NE(bar, nullptr);
        EXPECT_EQ(bar->GetPosition().y + bar->GetSize().y, client.y);
    }
    widget->Close();
    EXPECT_EQ(application.run(), 0);
}
}
