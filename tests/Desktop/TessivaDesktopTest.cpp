// Tessiva itself on the desktop's drawing backend: every template laid out
// whole, devices opened off line through the Open Device dialog, every device
// and page tab chosen by a click, the frame sized by the user, and closed.
#include "tests/Desktop/DesktopTest.h"
#include "tests/support/PortProfile.h"

#include "Platform/Framework/CommandIds.h"
#include "Platform/Framework/MinMaxInfo.h"
#include "Platform/ProfileStore.h"
#include "Platform/Window/DialogResult.h"
#include "Platform/Window/UserInput.h"
#include "Platform/Window/Window.h"
#include "Platform/Wx/WxBackend.h"
#include "Platform/Wx/WxView.h"
#include "Tessiva/OpenDeviceDialog.h"
#include "Tessiva/Panels/Pages/InputChannelRoutingDialog.h"
#include "Tessiva/Panels/Pages/InputOutputPage.h"
#include "Tessiva/Program/CMainFrame.h"
#include "Tessiva/Program/CTessivaApp.h"
#include "Tessiva/Program/FrontPanelFactory.h"
#include "Tessiva/Program/TessivaResources.h"
#include "Tessiva/Program/TessivaView.h"

#include <gtest/gtest.h>

#include <wx/frame.h>
#include <wx/tglbtn.h>

#include <cctype>
#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

using Platform::Window;
using Platform::WindowKind;
using R = TessivaResources;

namespace
{
const int kq310 = 0;
const int kq350 = 2;

class TessivaDesktopTest : public DesktopTest
{
protected:
    wxToggleButton* tabButton(const Window& aTabControl, int anIndex)
    {
        wxWindow* strip = backend->view().widgetOf(aTabControl);
        if (strip == nullptr)
        {
            return nullptr;
        }
        int index = 0;
        for (wxWindow* child : strip->GetChildren())
        {
            if (wxToggleButton* tab = dynamic_cast<wxToggleButton*>(child))
            {
                if (index++ == anIndex)
                {
                    return tab;
                }
            }
        }
        return nullptr;
    }

    // The page tab control of the panel on the selected device tab.
    Window* pagesOfSelectedDevice(CTessivaApp& anApplication)
    {
        Window* devices = anApplication.frame()->window().findDescendant(R::deviceTabControl);
        if (devices == nullptr)
        {
            return nullptr;
        }
        for (Window* child : devices->children())
        {
            if (child->kind() == WindowKind::Dialog && child->isShown())
            {
                for (Window* control : child->children())
                {
                    if (control->kind() == WindowKind::TabControl)
                    {
                        return control;
                    }
                }
            }
        }
        return nullptr;
    }

    // The Open Device dialog, when it comes: looked at, then a device of
    // aType chosen off line and opened with a click on OK.
    void openOffLineWhenAsked(int aType, const std::string& aShotName)
    {
        whenModal(OpenDeviceDialog::templateId, [this, aType, aShotName](Window& aDialog) {
            Window* dialog = &aDialog;
            look(*dialog, aShotName);
            const Platform::UserInput user(dialog);
            user.pick(*dialog->findChild(OpenDeviceDialog::deviceTypeComboId), aType);
            Window& offLine = *dialog->findChild(OpenDeviceDialog::offLineCheckId);
            if (!offLine.isChecked())
            {
                click(backend->view().widgetOf(offLine));
            }
            EXPECT_TRUE(offLine.isChecked());
            click(backend->view().widgetOf(*dialog->findChild(Platform::DialogResult::ok)));
        });
    }

    // Every page of the panel on the selected device tab, each chosen by a click on its tab.
    void lookAtEveryPage(CTessivaApp& anApplication, const std::string& aModel)
    {
        Window& frame = anApplication.frame()->window();
        Window* pages = pagesOfSelectedDevice(anApplication);
        ASSERT_NE(pages, nullptr);
        for (int index = 0; index < pages->itemCount(); ++index)
        {
            click(tabButton(*pages, index));
            EXPECT_EQ(pages->selection(), index) << aModel << " page " << pages->itemText(index);
            std::string name = pages->itemText(index);
            for (char& character : name)
            {
                character = std::isalnum(static_cast<unsigned char>(character)) ? std::tolower(character) : '-';
            }
            look(frame, "tessiva-" + aModel + "-" + name);
        }
    }

    PortProfile profile;
};

TEST_F(TessivaDesktopTest, EveryTemplateIsLaidOutWholeInTheDesktopsFont)
{
    CTessivaApp application(std::make_unique<FrontPanelFactory>());
    const Platform::Resources& resources = application.resources();
    for (unsigned id : resources.dialogIds())
    {
        const Platform::DialogTemplate& layout = *resources.dialog(id);
        std::unique_ptr<Window> shown;
        if (layout.style().child)
        {
            // A page or panel, in a window of its own size.
            Platform::WindowStyle popup;
            popup.child = false;
            const Platform::Rectangle size = Platform::DialogTemplate::toPixels(0, 0, layout.width(), layout.height());
            shown = std::make_unique<Window>(WindowKind::Dialog, 0, "Template", popup, size);
            layout.createIn(*shown);
        }
        else
        {
            shown = layout.create();
        }
        shown->centreIn(backend->screenArea());
        backend->openWindow(*shown);
        look(*shown, "tessiva-template-" + std::to_string(id));
        backend->closeWindow(*shown);
        shown.reset();
    }
}

TEST_F(TessivaDesktopTest, DevicesOpenThroughTheDialogAndEveryTabShowsWhole)
{
    CTessivaApp application(std::make_unique<FrontPanelFactory>());
    application.setSplashWait([this](unsigned) {
        for (Window* window : backend->view().roots())
        {
            if (window->templateId() == R::splashDialog)
            {
                look(*window, "tessiva-splash");
            }
        }
    });
    openOffLineWhenAsked(kq310, "tessiva-open-device");
    ASSERT_TRUE(application.start({}));
    ASSERT_NE(application.frame(), nullptr);
    Window& frame = application.frame()->window();
    backend->settle(500);
    lookAtEveryPage(application, "kq310");

    // The routing dialog of the KQ310's Input/Output page.
    Window* pages = pagesOfSelectedDevice(application);
    ASSERT_NE(pages, nullptr);
    const int inputOutput = 3;
    ASSERT_EQ(pages->itemText(inputOutput), "Input/Output");
    click(tabButton(*pages, inputOutput));
    Window* routing = frame.findDescendant(InputOutputPage::routingButtonId);
    ASSERT_NE(routing, nullptr);
    whenModal(InputChannelRoutingDialog::templateId, [this](Window& aDialog) {
        look(aDialog, "tessiva-input-channel-routing");
        Platform::UserInput(&aDialog).escape(aDialog);
    });
    click(backend->view().widgetOf(*routing));

    openOffLineWhenAsked(kq350, "tessiva-open-device-second");
    frame.command(static_cast<int>(R::newDeviceCommand));
    backend->settle(500);
    lookAtEveryPage(application, "kq350");

    // Back to the first device by a click on its tab.
    Window* devices = frame.findDescendant(R::deviceTabControl);
    ASSERT_EQ(devices->itemCount(), 2);
    click(tabButton(*devices, 0));
    EXPECT_EQ(devices->selection(), 0);
    look(frame, "tessiva-first-device-again");

    whenModal(R::aboutDialog, [this](Window& aDialog) {
        look(aDialog, "tessiva-about");
        // The program's icon, the one on its window.
        const Window* icon = aDialog.findChild(R::aboutIcon);
        ASSERT_NE(icon, nullptr);
        EXPECT_EQ(R::programIcon, icon->image());
        wxWindow* picture = backend->view().widgetOf(*icon);
        EXPECT_TRUE(picture != nullptr && picture->IsShownOnScreen());
        Platform::UserInput(&aDialog).enter(aDialog);
    });
    frame.command(static_cast<int>(Platform::CommandIds::appAbout));

    // The user sizes the frame: larger, then smaller; the model follows, the
    // status bar stays at the bottom, and the limits hold.
    wxFrame* widget = dynamic_cast<wxFrame*>(backend->view().widgetOf(frame));
    ASSERT_NE(widget, nullptr);
    const Platform::MinMaxInfo limits = application.frame()->trackingLimits();
    for (const wxSize& size : {wxSize(limits.maximumTrackWidth - 20, limits.maximumTrackHeight - 10),
                               wxSize(limits.maximumTrackWidth + 200, limits.maximumTrackHeight + 200),
                               wxSize(600, 400)})
    {
        widget->SetClientSize(size);
        backend->settle(500);
        const wxSize client = widget->GetClientSize();
        EXPECT_LE(client.x, limits.maximumTrackWidth);
        EXPECT_LE(client.y, limits.maximumTrackHeight);
        EXPECT_EQ(frame.rectangle().width(), client.x);
        EXPECT_EQ(frame.rectangle().height(), client.y);
        Window* status = application.frame()->statusBar();
        ASSERT_NE(status, nullptr);
        wxWindow* bar = backend->view().widgetOf(*status);
        ASSERT_NE(bar, nullptr);
        EXPECT_EQ(bar->GetPosition().y + bar->GetSize().y, client.y);
        EXPECT_EQ(bar->GetSize().x, client.x);
    }
    widget->Move(120, 90);
    backend->settle(500);
    const Platform::Rectangle last = frame.rectangle();
    EXPECT_EQ(last.left, widget->GetPosition().x);
    EXPECT_EQ(last.top, widget->GetPosition().y);

    widget->Close();
    EXPECT_EQ(application.run(), 0);
    Platform::ProfileStore settings("Tessiva");
    EXPECT_EQ(settings.getInt("Settings", "x1", -1), last.left);
    EXPECT_EQ(settings.getInt("Settings", "y1", -1), last.top);
    EXPECT_EQ(settings.getInt("Settings", "x2", -1), last.right);
    EXPECT_EQ(settings.getInt("Settings", "y2", -1), last.bottom);
}

TEST_F(TessivaDesktopTest, ASmallFrameScrollsToEveryControlAndEightDevicesLeaveThePanelWhole)
{
    CTessivaApp application(std::make_unique<FrontPanelFactory>());
    application.setSplashWait([](unsigned) {});
    openOffLineWhenAsked(kq350, "tessiva-open-device-small");
    ASSERT_TRUE(application.start({}));
    ASSERT_NE(application.frame(), nullptr);
    Window& frame = application.frame()->window();
    wxFrame* widget = dynamic_cast<wxFrame*>(backend->view().widgetOf(frame));
    ASSERT_NE(widget, nullptr);
    EXPECT_TRUE(widget->GetIcon().IsOk()) << "the window has no icon";
    const Window& view = application.view()->window();

    // A laptop's corner of the screen: the LFE meter and the last page tab
    // are out of sight until scrolled to.
    widget->SetClientSize(wxSize(420, 300));
    backend->settle(500);
    expectEveryControlScrollsIntoView(view, wxHORIZONTAL | wxVERTICAL, "tessiva-small-frame");
    look(frame, "tessiva-small-frame");

    // Eight devices and more, until the tabs take two rows: the panel still
    // shows whole.
    const wxSize roomy(1200, 900);
    widget->SetClientSize(roomy);
    backend->settle(300);
    Window* devices = frame.findDescendant(R::deviceTabControl);
    ASSERT_NE(devices, nullptr);
    const auto rows = [this, devices](const std::vector<std::string>& aLabels) {
        return backend->tabRowsHeight(aLabels, devices->rectangle().width());
    };
    const int oneRow = rows({devices->itemText(0)});
    const int mostDevices = 16;
    while (devices->itemCount() < 8 || (rows(devices->items()) == oneRow && devices->itemCount() < mostDevices))
    {
        openOffLineWhenAsked(kq350, "tessiva-open-device-more");
        frame.command(static_cast<int>(R::newDeviceCommand));
    }
    backend->settle(500);
    ASSERT_GT(rows(devices->items()), oneRow) << "the tabs never took a second row: nothing to prove";
    Window* pages = pagesOfSelectedDevice(application);
    ASSERT_NE(pages, nullptr);
    const Window* panel = pages->parent();
    EXPECT_LE(panel->rectangle().bottom, devices->displayArea().bottom);
    look(frame, "tessiva-eight-devices");
    expectEveryControlScrollsIntoView(view, 0, "tessiva-eight-devices");

    widget->Close();
    EXPECT_EQ(application.run(), 0);
}
}
