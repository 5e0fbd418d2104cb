// Pellora itself on the desktop's drawing backend: its window and every
// template laid out whole, the frame sized by the user, and closed.
#include "tests/Desktop/DesktopTest.h"
#include "tests/Desktop/ScreenWindows.h"
#include "tests/support/PortProfile.h"

#include "Pellora/Program/PelloraApp.h"
#include "Pellora/Program/PelloraResources.h"
#include "Pellora/Program/PelloraView.h"
#include "Platform/Framework/CommandIds.h"
#include "Platform/Framework/MainFrame.h"
#include "Platform/Framework/MinMaxInfo.h"
#include "Platform/Window/UserInput.h"
#include "Platform/Window/Window.h"
#include "Platform/Wx/WxBackend.h"
#include "Platform/Wx/WxView.h"

#include <gtest/gtest.h>

#include <wx/display.h>
#include <wx/frame.h>
#include <wx/stattext.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <thread>
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
        // The program's icon, the one on its window.
        const Window* icon = aDialog.findChild(PelloraResources::aboutIcon);
        ASSERT_NE(icon, nullptr);
        EXPECT_EQ(PelloraResources::programIcon, icon->image());
        wxWindow* picture = backend->view().widgetOf(*icon);
        EXPECT_TRUE(picture != nullptr && picture->IsShownOnScreen());
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

// With no window manager to place it, the file dialog still opens centred on
// the program's window, as far as the screen lets it, not at the screen's
// corner.
TEST_F(PelloraDesktopTest, TheFileDialogOpensCentredOnTheWindow)
{
    // The file dialog keeps its settings in memory, not in a session bus the
    // display lacks.
    setenv("GSETTINGS_BACKEND", "memory", 1);
    PelloraApp application;
    ASSERT_TRUE(application.start({}));
    Platform::MainFrame* frame = application.mainFrame();
    ASSERT_NE(frame, nullptr);
    wxFrame* widget = dynamic_cast<wxFrame*>(backend->view().widgetOf(frame->window()));
    ASSERT_NE(widget, nullptr);
    // Away from the screen's corner, so that a dialog left there shows it.
    widget->Move(700, 400);
    backend->settle(300);
    const wxRect window = widget->GetScreenRect();
    const wxRect screen = wxDisplay(0u).GetGeometry();

    Platform::ScreenWindow chooser;
    std::thread watcher([&chooser]() {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (chooser.id == 0 && std::chrono::steady_clock::now() < deadline)
        {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            chooser = Platform::shownWindowTitled("Open");
        }
        if (chooser.id != 0)
        {
            // Once it is drawn, where it stays.
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            chooser = Platform::shownWindowTitled("Open");
            Platform::askToClose(chooser.id);
        }
    });
    frame->window().command(static_cast<int>(Platform::CommandIds::fileOpen));
    watcher.join();
    ASSERT_NE(0u, chooser.id) << "no file dialog came up";
    const wxRect& place = chooser.place;
    const int x = std::clamp(window.x + (window.width - place.width) / 2, screen.x, screen.GetRight() + 1 - place.width);
    const int y = std::clamp(window.y + (window.height - place.height) / 2, screen.y, screen.GetBottom() + 1 - place.height);
    EXPECT_NEAR(x, place.x, 20) << "the file dialog is not centred on the window";
    EXPECT_NEAR(y, place.y, 20) << "the file dialog is not centred on the window";
    widget->Close();
    EXPECT_EQ(application.run(), 0);
}

TEST_F(PelloraDesktopTest, ASmallFrameScrollsLongCaptionsShowTheirEndAndPromptsFit)
{
    PelloraApp application;
    ASSERT_TRUE(application.start({}));
    Platform::MainFrame* frame = application.mainFrame();
    ASSERT_NE(frame, nullptr);
    wxFrame* widget = dynamic_cast<wxFrame*>(backend->view().widgetOf(frame->window()));
    ASSERT_NE(widget, nullptr);
    EXPECT_TRUE(widget->GetIcon().IsOk()) << "the window has no icon";

    // The prompt of About, the longest, shows whole on one line.
    frame->showPrompt(Platform::CommandIds::appAbout);
    backend->settle(300);
    Window* pane = frame->statusBar()->findChild(static_cast<int>(Platform::CommandIds::messagePane));
    ASSERT_NE(pane, nullptr);
    wxStaticText* prompt = dynamic_cast<wxStaticText*>(backend->view().widgetOf(*pane));
    ASSERT_NE(prompt, nullptr);
    EXPECT_EQ(prompt->GetLabel().Find('\n'), wxNOT_FOUND) << "the prompt breaks into a second line";
    EXPECT_LE(prompt->GetTextExtent(prompt->GetLabel()).x, prompt->GetSize().x)
        << "the prompt is cut: " << prompt->GetLabel().utf8_str();
    look(frame->window(), "pellora-about-prompt");
    frame->showIdleMessage();

    // A long path in the Current File caption shows its end: the file's name.
    Window* currentFile = frame->window().findDescendant(PelloraResources::currentFile);
    ASSERT_NE(currentFile, nullptr);
    const std::string name = "firmware-kq350-release-2.prx";
    currentFile->setText("/home/operator/Documents/Units/Studio Two/Encoders/Spare parts/" + name);
    backend->settle(300);
    wxWindow* box = backend->view().widgetOf(*currentFile);
    ASSERT_NE(box, nullptr);
    const std::string caption(box->GetLabel().utf8_str());
    ASSERT_GE(caption.size(), name.size());
    EXPECT_EQ(caption.substr(caption.size() - name.size()), name);
    EXPECT_LT(box->GetTextExtent(box->GetLabel()).x, box->GetSize().x);
    look(frame->window(), "pellora-long-current-file");

    widget->SetClientSize(wxSize(250, 150));
    backend->settle(500);
    expectEveryControlScrollsIntoView(application.view()->window(), wxHORIZONTAL | wxVERTICAL, "pellora-small-frame");
    look(frame->window(), "pellora-small-frame");

    widget->Close();
    EXPECT_EQ(application.run(), 0);
}
}
