// Tessiva on the desktop: the real program on the drawing backend under a
// virtual display with a window manager, acted on by a person's mouse and
// keyboard; the unit on line is the emulator.
#include "Platform/Window/Bitmap.h"
#include "Platform/Window/Resources.h"
#include "Platform/Window/Window.h"
#include "Platform/Wx/ScreenReaderName.h"
#include "Platform/Wx/WxView.h"
#include "Tessiva/CTessivaDoc.h"
#include "Tessiva/OpenDeviceDialog.h"
#include "Tessiva/Panels/DevicePanel.h"
#include "Tessiva/Panels/DeviceTabControl.h"
#include "Tessiva/Panels/Pages/PreprocessingPage.h"
#include "Tessiva/Panels/Pages/TimeCodePage.h"
#include "Tessiva/Panels/Pages/UnitInputOutputPage.h"
#include "Tessiva/Panels/FrontPanel.h"
#include "Tessiva/Panels/UnitFrontPanel.h"
#include "Platform/Window/DialogResult.h"
#include "Tessiva/Program/CMainFrame.h"
#include "Tessiva/Program/CTessivaApp.h"
#include "Tessiva/Program/FrontPanelFactory.h"
#include "Tessiva/Program/TessivaResources.h"
#include "Tessiva/Program/TessivaView.h"
#include "Toolkit/Parameter/Observer.h"
#include "Toolkit/Parameter/Parameter.h"
#include "Toolkit/Parameter/ParameterId.h"
#include "Platform/ProfileStore.h"
#include "tests/Desktop/DrawWatch.h"
#include "tests/Desktop/ScreenWindows.h"
#include "tests/Desktop/InputTest.h"
#include "tests/emulator/UnitEmulator.h"
#include "tests/emulator/UnitFault.h"
#include "tests/emulator/UnitFrame.h"
#include "tests/emulator/models/Kq350Unit.h"
#include "tests/support/PortProfile.h"
#include "tests/support/PortLink.h"
#include "tests/support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <wx/dcmemory.h>
#include <wx/dcscreen.h>
#include <wx/filedlg.h>
#include <wx/frame.h>
#include <wx/image.h>
#include <wx/listbox.h>
#include <wx/scrolwin.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/tglbtn.h>
#include <wx/toplevel.h>
#include <wx/utils.h>

#include <X11/keysym.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

using Platform::DesktopUser;
using Platform::Window;
using R = TessivaResources;

namespace
{
const int unitNameId = 1061;
const int bypassId = 1032;
const ParameterId theUnitName('a', 14);

// Keeps the text of the parameter it watches.
class TextObserver : public Observer
{
public:
    void update(Subject* aSubject) override
    {
        if (Parameter* parameter = dynamic_cast<Parameter*>(aSubject))
        {
            text = parameter->value().toString();
        }
    }
    std::string text;
};

class TessivaInputTest : public Platform::InputTest
{
protected:
    TessivaInputTest() { profile.map(1, emulator.devicePath()); }
    ~TessivaInputTest() override { application.reset(); }

    // The program, with the splash screen's wait left out unless aSplashWait says otherwise.
    void make(CTessivaApp::SplashWait aSplashWait = [](unsigned) {})
    {
        application = std::make_unique<CTessivaApp>(std::make_unique<FrontPanelFactory>());
        application->setSplashWait(aSplashWait);
    }

    wxWindow* widgetOf(const Window* aWindow) { return aWindow != nullptr ? backend().view().widgetOf(*aWindow) : nullptr; }

    // The modal dialog running, or nullptr; on the main thread.
    Window* dialog() { return const_cast<Window*>(backend().innermostModal()); }

    // The dialog runs, shown, and the desktop gave it the focus.
    bool dialogActive()
    {
        wxTopLevelWindow* widget = dynamic_cast<wxTopLevelWindow*>(widgetOf(dialog()));
        return widget != nullptr && widget->IsShownOnScreen() && widget->IsActive();
    }

    bool frameActive()
    {
        wxTopLevelWindow* widget = application->frame() != nullptr
                                       ? dynamic_cast<wxTopLevelWindow*>(widgetOf(&application->frame()->window()))
                                       : nullptr;
        return widget != nullptr && widget->IsShownOnScreen() && widget->IsActive() && dialog() == nullptr;
    }

    Window* control(int anId)
    {
        return application->frame() != nullptr ? application->frame()->window().findDescendant(anId) : nullptr;
    }

    // Opens a KQ350 on line at the dialog's other settings: End picks the
    // model, Enter opens it.
    void openOnLineKq350(DesktopUser& aUser)
    {
        ASSERT_TRUE(aUser.waitUntil([this]() { return dialogActive(); })) << "the Open Device dialog has no focus";
        aUser.press(XK_End);
        ASSERT_TRUE(aUser.waitUntil([this]() {
            return dialog()->findDescendant(OpenDeviceDialog::deviceTypeComboId)->selection() == 2;
        }));
        aUser.press(XK_Return);
        ASSERT_TRUE(aUser.waitUntil([this]() { return frameActive() && control(unitNameId) != nullptr; },
                                    std::chrono::seconds(10)))
            << "no KQ350 panel came up";
    }

    // Opens a KQ350 through the Open Device dialog with the keyboard alone.
    void openOffLineKq350(DesktopUser& aUser)
    {
        ASSERT_TRUE(aUser.waitUntil([this]() { return dialogActive(); })) << "the Open Device dialog has no focus";
        const auto focusIs = [](int anId) { return Window::focus() != nullptr && Window::focus()->id() == anId; };
        ASSERT_TRUE(aUser.look([&]() { return focusIs(OpenDeviceDialog::deviceTypeComboId); }))
            << "the device type is not the first stop";
        // The device type list: down to its last model.
        aUser.press(XK_End);
        const auto field = [this](int anId) { return dialog()->findDescendant(anId); };
        ASSERT_TRUE(aUser.waitUntil([&]() { return field(OpenDeviceDialog::deviceTypeComboId)->selection() == 2; }))
            << "the model was not chosen";
        // Tab goes through the dialog in its order: port, baud rate, address, Off Line.
        std::vector<int> stops;
        for (int tab = 0; tab < 4; ++tab)
        {
            aUser.press(XK_Tab);
            aUser.look([&stops]() {
                stops.push_back(Window::focus() != nullptr ? Window::focus()->id() : 0);
                return true;
            });
        }
        ASSERT_EQ((std::vector<int>{OpenDeviceDialog::portComboId, OpenDeviceDialog::baudRateComboId,
                                    OpenDeviceDialog::addressEditId, OpenDeviceDialog::offLineCheckId}),
                  stops)
            << "Tab took another way to Off Line";
        const bool offLine = aUser.look([&]() { return field(OpenDeviceDialog::offLineCheckId)->isChecked(); });
        if (!offLine)
        {
            aUser.press(XK_space);
            ASSERT_TRUE(aUser.waitUntil([&]() { return field(OpenDeviceDialog::offLineCheckId)->isChecked(); }))
                << "Space did not check Off Line";
        }
        aUser.press(XK_Return);
        ASSERT_TRUE(aUser.waitUntil([this]() { return frameActive() && control(unitNameId) != nullptr; }))
            << "no KQ350 panel came up";
    }

    // Two of them, the second through the tool bar's New Device (the dialog
    // keeps the last choices).
    void openTwoOffLineKq350s(DesktopUser& aUser)
    {
        openOffLineKq350(aUser);
        aUser.clickOn([this]() {
            Window* bar = application->frame()->toolBar();
            return widgetOf(bar != nullptr ? bar->findChild(static_cast<int>(R::newDeviceCommand)) : nullptr);
        });
        ASSERT_TRUE(aUser.waitUntil([this]() { return dialogActive(); })) << "the Open Device dialog has no focus";
        aUser.press(XK_Return);
        ASSERT_TRUE(aUser.waitUntil(
            [this]() { return frameActive() && application->view()->tabs().window()->itemCount() == 2; }))
            << "no second device came up";
    }

    // A KQ350 on line at 0x8280 on COM1, at the rate of aBaudIndex in the
    // Open Device dialog's list (0: 9600 baud), is what the dialog offers.
    void offerOnLineKq350(int aBaudIndex)
    {
        emulator.addUnit(onLineAddress, Emulator::Kq350Unit::freshValues());
        Platform::ProfileStore store("Tessiva");
        ASSERT_TRUE(store.writeInt("Settings", "device type", 2));
        ASSERT_TRUE(store.writeInt("Settings", "port number", 0));
        ASSERT_TRUE(store.writeInt("Settings", "baud rate", aBaudIndex));
        ASSERT_TRUE(store.writeInt("Settings", "off line", 0));
    }

    // Takes what the Open Device dialog offers, and waits for its panel.
    void openWhatIsOffered(DesktopUser& aUser)
    {
        ASSERT_TRUE(aUser.waitUntil([this]() { return dialogActive(); })) << "the Open Device dialog has no focus";
        aUser.press(XK_Return);
        ASSERT_TRUE(aUser.waitUntil([this]() { return frameActive() && control(unitNameId) != nullptr; },
                                    std::chrono::seconds(60)))
            << "no KQ350 panel came up";
    }

    static constexpr std::uint16_t onLineAddress = 0x8280;

    PortProfile profile;
    Emulator::UnitEmulator emulator;
    std::unique_ptr<CTessivaApp> application;
};

// The splash screen shows its picture during its wait, not a black box.
TEST_F(TessivaInputTest, TheSplashIsPaintedBeforeItsWait)
{
    wxColour shown;
    wxColour expected;
    make();
    bool looked = false;
    application->setSplashWait([&](unsigned) {
        // The splash is the top-level window of the picture control.
        Window* picture = nullptr;
        for (wxWindow* top : wxTopLevelWindows)
        {
            Window* window = backend().view().windowOf(top);
            if (window != nullptr && window->findDescendant(R::splashPicture) != nullptr)
            {
                picture = window->findDescendant(R::splashPicture);
            }
        }
        ASSERT_NE(picture, nullptr);
        const Platform::Bitmap* bitmap = application->resources().bitmap(R::splashBitmap);
        ASSERT_NE(bitmap, nullptr);
        const wxRect place = widgetOf(picture)->GetScreenRect();
        const wxPoint middle(place.width / 2, place.height / 2);
        const Platform::Colour colour = bitmap->pixel(middle.x, middle.y);
        expected = wxColour(colour.red, colour.green, colour.blue);
        wxScreenDC screen;
        wxBitmap grab(1, 1, 24);
        {
            wxMemoryDC memory(grab);
            memory.Blit(0, 0, 1, 1, &screen, place.x + middle.x, place.y + middle.y);
            memory.GetPixel(0, 0, &shown);
        }
        looked = true;
    });
    user.start([&](DesktopUser& aUser) {
        ASSERT_TRUE(aUser.waitUntil([this]() { return dialogActive(); })) << "the Open Device dialog has no focus";
        aUser.press(XK_Escape);
        ASSERT_TRUE(aUser.waitUntil([this]() { return frameActive(); }));
        aUser.press(XK_F4, {XK_Alt_L});
    });
    ASSERT_TRUE(application->start({}));
    EXPECT_EQ(0, application->run());
    user.finish();
    EXPECT_TRUE(looked);
    EXPECT_EQ(std::string(expected.GetAsString(wxC2S_HTML_SYNTAX).utf8_str()),
              std::string(shown.GetAsString(wxC2S_HTML_SYNTAX).utf8_str()));
}

// An off-line KQ350 opened with the keyboard alone; its unit name typed with
// the keys a person uses in a field: what the field shows is what the device
// holds.
TEST_F(TessivaInputTest, TheUnitNameTypedWithEditingKeysIsWhatTheDeviceHolds)
{
    make();
    TextObserver held;
    std::vector<std::string> shown;
    std::string fieldName;
    user.start([&](DesktopUser& aUser) {
        openOffLineKq350(aUser);
        const auto field = [this]() { return widgetOf(control(unitNameId)); };
        const auto fieldText = [this]() {
            wxTextCtrl* text = dynamic_cast<wxTextCtrl*>(widgetOf(control(unitNameId)));
            return text != nullptr ? std::string(text->GetValue().utf8_str()) : std::string("?");
        };
        const auto modelText = [this]() { return control(unitNameId)->text(); };
        aUser.look([&]() {
            application->document()->attachControlObserver(application->view()->tabs().panel(0)->key(), theUnitName,
                                                           &held);
            return true;
        });
        std::string expected;
        // Each step: keys, then what the field and the model show.
        const auto step = [&](const std::function<void()>& someKeys, const std::string& anExpected) {
            someKeys();
            aUser.waitUntil([&]() { return modelText() == anExpected && fieldText() == anExpected; },
                            std::chrono::milliseconds(1000));
            std::string both;
            aUser.look([&]() {
                both = modelText() + "|" + fieldText();
                return true;
            });
            shown.push_back(both);
        };
        // A screen reader names the field by its label.
        aUser.look([&]() {
            fieldName = Platform::screenReaderName(*field());
            return true;
        });
        aUser.clickOn(field);
        step([&]() { aUser.press('a', {XK_Control_L}); aUser.type("STUDIO"); }, "STUDIO");
        step([&]() { aUser.press(XK_Home); aUser.type("A"); }, "ASTUDIO");
        step([&]() { aUser.press(XK_End); aUser.press(XK_BackSpace); aUser.type("9"); }, "ASTUDI9");
        // Shift+Left selects the last two; typing replaces them.
        step([&]() { aUser.press(XK_Left, {XK_Shift_L}); aUser.press(XK_Left, {XK_Shift_L}); aUser.type("8"); },
             "ASTUD8");
        // Copy the whole text, then paste it at the end (Ctrl+V and Shift+Insert).
        step([&]() {
            aUser.press('a', {XK_Control_L});
            aUser.press('c', {XK_Control_L});
            aUser.press(XK_End);
            aUser.press('v', {XK_Control_L});
        }, "ASTUD8ASTUD8");
        // A paste beyond the field's 16 characters is cut to fit.
        step([&]() { aUser.press(XK_Home); aUser.press(XK_Delete); aUser.press(XK_Insert, {XK_Shift_L}); },
             "ASTUDSTUD8ASTUD8");
        // Tab takes the focus out: the name goes to the device.
        aUser.press(XK_Tab);
        aUser.waitUntil([&]() { return held.text == "ASTUDSTUD8ASTUD8"; });
        aUser.press(XK_F4, {XK_Alt_L});
    });
    ASSERT_TRUE(application->start({}));
    EXPECT_EQ(0, application->run());
    user.finish();
    EXPECT_EQ((std::vector<std::string>{"STUDIO|STUDIO", "ASTUDIO|ASTUDIO", "ASTUDI9|ASTUDI9", "ASTUD8|ASTUD8",
                                        "ASTUD8ASTUD8|ASTUD8ASTUD8", "ASTUDSTUD8ASTUD8|ASTUDSTUD8ASTUD8"}),
              shown);
    EXPECT_EQ("ASTUDSTUD8ASTUD8", held.text);
    EXPECT_EQ("Unit Name", fieldName);
}
}

namespace
{
// On line, every status list of the panel shows the item the unit's polled
// value selects (a one-line list shows its selected item), and a click on a
// check box writes its parameter to the unit once.
TEST_F(TessivaInputTest, OnLineStatusListsShowThePolledValuesAndAClickWritesOnce)
{
    const std::uint16_t unitAddress = 0x8280;
    emulator.addUnit(unitAddress, Emulator::Kq350Unit::freshValues());
    emulator.setValue(unitAddress, 'F', 0, Emulator::UnitEmulator::integer(0));
    emulator.setValue(unitAddress, 'C', 0, Emulator::UnitEmulator::integer(0));
    make();
    std::vector<std::string> wrong;
    int lists = 0;
    int writes = 0;
    user.start([&](DesktopUser& aUser) {
        ASSERT_NO_FATAL_FAILURE(openOnLineKq350(aUser));
        // A few rounds of polling.
        DesktopUser::pause(std::chrono::milliseconds(500));
        aUser.look([&]() {
            std::vector<Window*> pending{&application->frame()->window()};
            while (!pending.empty())
            {
                Window* window = pending.back();
                pending.pop_back();
                for (Window* child : window->children())
                {
                    pending.push_back(child);
                }
                if (window->kind() != Platform::WindowKind::ListBox || !window->isVisible() ||
                    widgetOf(window) == nullptr)
                {
                    continue;
                }
                ++lists;
                // A one-line list shows its selected item; a taller one has it at the top.
                const int selected = window->selection();
                std::string shown;
                if (wxStaticText* line = dynamic_cast<wxStaticText*>(widgetOf(window)))
                {
                    shown = std::string(line->GetLabel().utf8_str());
                }
                else if (wxListBox* box = dynamic_cast<wxListBox*>(widgetOf(window)))
                {
                    shown = box->GetTopItem() >= 0 ? std::string(box->GetString(box->GetTopItem()).utf8_str()) : "";
                }
                if (shown != window->itemText(selected))
                {
                    wrong.push_back(std::to_string(window->id()) + " holds " + window->itemText(selected) +
                                    " but shows " + shown);
                }
            }
            return true;
        });
        // Bypass: one click, one write.
        const std::optional<Emulator::Bytes> before = emulator.value(unitAddress, 'a', 8);
        emulator.clearLog();
        aUser.clickOn([this]() { return widgetOf(control(bypassId)); });
        EXPECT_TRUE(aUser.waitUntil([&]() { return emulator.value(unitAddress, 'a', 8) != before; }))
            << "the click wrote nothing";
        DesktopUser::pause(std::chrono::milliseconds(500));
        for (const Emulator::UnitEmulator::LogEntry& entry : emulator.log())
        {
            std::vector<Emulator::ValueEntry> values;
            const Emulator::Bytes data = entry.kind == Emulator::UnitEmulator::LogEntry::Frame
                                             ? Emulator::UnitFrame::data(entry.bytes)
                                             : Emulator::Bytes();
            // A write of ('a', 8) is a value message of the group before 'a'.
            if (data.size() > 1 && data[0] == 'a' - 1 &&
                Emulator::UnitFrame::decodeValues(data, values))
            {
                writes += static_cast<int>(std::count_if(values.begin(), values.end(),
                                                         [](const Emulator::ValueEntry& aValue) {
                                                             return aValue.first == 8 && !aValue.second.empty();
                                                         }));
            }
        }
        aUser.press(XK_F4, {XK_Alt_L});
    });
    ASSERT_TRUE(application->start({}));
    EXPECT_EQ(0, application->run());
    user.finish();
    EXPECT_GT(lists, 0);
    EXPECT_EQ(std::vector<std::string>(), wrong);
    EXPECT_EQ(1, writes) << "writes of Bypass for one click";
}
}

namespace
{
// A unit whose line goes away and comes back under the same path: the
// Communications Error dialog comes up, and Try To Reconnect (Enter, its
// default button) keeps the device, now talking over the new line.
TEST_F(TessivaInputTest, AVanishedAndReLinkedLineReconnects)
{
    const std::uint16_t unitAddress = 0x8280;
    emulator.addUnit(unitAddress, Emulator::Kq350Unit::freshValues());
    Emulator::UnitEmulator pluggedInAgain;
    pluggedInAgain.addUnit(unitAddress, Emulator::Kq350Unit::freshValues());
    PortLink link;
    ASSERT_TRUE(link.pointAt(emulator.devicePath()));
    profile.map(1, link.path());
    make();
    bool reconnected = false;
    user.start([&](DesktopUser& aUser) {
        ASSERT_NO_FATAL_FAILURE(openOnLineKq350(aUser));

        // Unplugged: the path goes, and the line hangs up at the unit's next answer.
        link.remove();
        emulator.injectFault(unitAddress, Emulator::UnitFault::hangUp());
        const auto errorDialogActive = [this]() {
            return dialogActive() && dialog()->templateId() == CTessivaDoc::communicationsErrorDialogId;
        };
        ASSERT_TRUE(aUser.waitUntil(errorDialogActive, std::chrono::seconds(10)))
            << "no Communications Error dialog came up";
        ASSERT_TRUE(link.pointAt(pluggedInAgain.devicePath()));
        aUser.press(XK_Return);
        reconnected = aUser.waitUntil(
            [&]() { return frameActive() && control(unitNameId) != nullptr && !pluggedInAgain.log().empty(); },
            std::chrono::seconds(10));
        aUser.press(XK_F4, {XK_Alt_L});
    });
    ASSERT_TRUE(application->start({}));
    EXPECT_EQ(0, application->run());
    user.finish();
    EXPECT_TRUE(reconnected) << "the device did not come back over the new line";
}

// F1 in the main window is Help Topics: without the help file, its message
// box comes up with the focus, and Enter takes it away.
TEST_F(TessivaInputTest, F1ShowsTheHelpTopics)
{
    make();
    bool shown = false;
    bool gone = false;
    user.start([&](DesktopUser& aUser) {
        ASSERT_TRUE(aUser.waitUntil([this]() { return dialogActive(); })) << "the Open Device dialog has no focus";
        aUser.press(XK_Escape);
        ASSERT_TRUE(aUser.waitUntil([this]() { return frameActive(); }));
        aUser.press(XK_F1);
        shown = aUser.waitUntil([this]() { return backend().isMessageBoxShown() && wxGetActiveWindow() != nullptr; });
        aUser.press(XK_Return);
        gone = aUser.waitUntil([this]() { return !backend().isMessageBoxShown() && frameActive(); });
        aUser.press(XK_F4, {XK_Alt_L});
    });
    ASSERT_TRUE(application->start({}));
    EXPECT_EQ(0, application->run());
    user.finish();
    EXPECT_TRUE(shown) << "F1 brought no help";
    EXPECT_TRUE(gone) << "Enter did not answer the message box";
}
}

namespace
{
// The main window opens as large as its panel needs, within the screen; what
// it cannot show scrolls with scroll bars that stay. (Run on a small screen
// too: TessivaSmallScreen.)
TEST_F(TessivaInputTest, TheWindowFitsTheScreenAndScrollsWhatItCannotShow)
{
    make();
    std::vector<std::string> wrong;
    user.start([&](DesktopUser& aUser) {
        openOffLineKq350(aUser);
        aUser.pause(std::chrono::milliseconds(500));
        aUser.look([&]() {
            wxWindow* frame = widgetOf(&application->frame()->window());
            wxScrolledWindow* form = dynamic_cast<wxScrolledWindow*>(widgetOf(&application->view()->window()));
            if (frame == nullptr || form == nullptr)
            {
                wrong.push_back("no frame or form");
                return true;
            }
            const wxSize screen = wxGetDisplaySize();
            const wxRect outer = frame->GetScreenRect();
            if (outer.x < 0 || outer.y < 0 || outer.GetRight() >= screen.x || outer.GetBottom() >= screen.y)
            {
                wrong.push_back("the window is not on the screen");
            }
            const wxSize content = form->GetVirtualSize();
            const wxSize shown = form->GetClientSize();
            // Cut: it could not be any larger, and a scroll bar shows it.
            const int slack = 60;
            if (content.x > shown.x && (outer.width < screen.x - slack || !showsRealScrollBar(*form, true)))
            {
                wrong.push_back("cut across without need or without a scroll bar: window " + std::to_string(outer.width) +
                                " wide, content " + std::to_string(content.x) + ", shown " + std::to_string(shown.x));
            }
            if (content.y > shown.y && (outer.height < screen.y - slack || !showsRealScrollBar(*form, false)))
            {
                wrong.push_back("cut down without need or without a scroll bar: window " + std::to_string(outer.height) +
                                " high, content " + std::to_string(content.y) + ", shown " + std::to_string(shown.y));
            }
            return true;
        });
        aUser.press(XK_F4, {XK_Alt_L});
    });
    ASSERT_TRUE(application->start({}));
    EXPECT_EQ(0, application->run());
    user.finish();
    EXPECT_EQ(std::vector<std::string>(), wrong);
}
}

namespace
{
// A window the desktop maximised is kept as maximised with its normal
// rectangle, and the next start shows it maximised again.
TEST_F(TessivaInputTest, AMaximisedWindowComesBackMaximised)
{
    const auto frameWidget = [this]() {
        return dynamic_cast<wxTopLevelWindow*>(widgetOf(&application->frame()->window()));
    };
    make();
    bool maximised = false;
    user.start([&](DesktopUser& aUser) {
        ASSERT_TRUE(aUser.waitUntil([this]() { return dialogActive(); })) << "the Open Device dialog has no focus";
        aUser.press(XK_Escape);
        ASSERT_TRUE(aUser.waitUntil([this]() { return frameActive(); }));
        // As the title bar's maximise button asks the window manager.
        aUser.look([&]() {
            frameWidget()->Maximize(true);
            return true;
        });
        maximised = aUser.waitUntil([&]() { return frameWidget()->IsMaximized(); });
        aUser.pause(std::chrono::milliseconds(300));
        aUser.press(XK_F4, {XK_Alt_L});
    });
    ASSERT_TRUE(application->start({}));
    EXPECT_EQ(0, application->run());
    user.finish();
    ASSERT_TRUE(maximised) << "the desktop did not maximise the window";
    application.reset();
    const Platform::ProfileStore store("Tessiva");
    EXPECT_EQ(3, store.getInt("Settings", "showCmd", -1));
    const int left = store.getInt("Settings", "x1", -1);
    const int right = store.getInt("Settings", "x2", -1);
    EXPECT_GE(left, 0);
    EXPECT_GT(right, left);

    make();
    bool again = false;
    DesktopUser second;
    second.start([&](DesktopUser& aUser) {
        ASSERT_TRUE(aUser.waitUntil([this]() { return dialogActive(); })) << "the Open Device dialog has no focus";
        aUser.press(XK_Escape);
        ASSERT_TRUE(aUser.waitUntil([this]() { return frameActive(); }));
        again = aUser.waitUntil([&]() { return frameWidget()->IsMaximized(); });
        aUser.press(XK_F4, {XK_Alt_L});
    });
    ASSERT_TRUE(application->start({}));
    EXPECT_EQ(0, application->run());
    second.finish();
    EXPECT_TRUE(again) << "the next start did not show the window maximised";
}
}

namespace
{
// The focus is on the panel's first control once a device opens, and comes
// back to the control that had it when a message box or the Open Device
// dialog closes; the toolkit shows it where the model has it, and shows its
// ring from the start.
TEST_F(TessivaInputTest, TheFocusComesBackAfterEachDialog)
{
    make();
    std::vector<std::string> seen;
    user.start([&](DesktopUser& aUser) {
        const auto where = []() {
            const Window* focus = Window::focus();
            const Window* shown = toolkitFocus();
            return std::to_string(focus != nullptr ? focus->id() : 0) + " shown at " +
                   std::to_string(shown != nullptr ? shown->id() : 0);
        };
        const auto record = [&](const std::string& aWhen) {
            aUser.waitUntil([&]() { return where() == "1061 shown at 1061"; }, std::chrono::milliseconds(1500));
            aUser.look([&]() {
                seen.push_back(aWhen + ": " + where());
                return true;
            });
        };
        // The first dialog shows its focus ring before any key was pressed.
        ASSERT_TRUE(aUser.waitUntil([this]() { return dialogActive(); })) << "the Open Device dialog has no focus";
        aUser.look([&]() {
            seen.push_back(std::string("ring ") + (isFocusRingShown(*widgetOf(dialog())) ? "shown" : "hidden"));
            return true;
        });
        openOffLineKq350(aUser);
        const std::string first = std::to_string(FrontPanel::audioCodingModeId);
        aUser.waitUntil([&]() { return where() == first + " shown at " + first; }, std::chrono::milliseconds(1500));
        aUser.look([&]() {
            seen.push_back("opened: " + where());
            return true;
        });
        aUser.clickOn([this]() { return widgetOf(control(unitNameId)); });
        ASSERT_TRUE(aUser.waitUntil([&]() { return where() == "1061 shown at 1061"; }));
        aUser.press(XK_F1);
        ASSERT_TRUE(aUser.waitUntil([this]() { return backend().isMessageBoxShown() && wxGetActiveWindow() != nullptr; }));
        aUser.press(XK_Return);
        ASSERT_TRUE(aUser.waitUntil([this]() { return !backend().isMessageBoxShown() && frameActive(); }));
        record("message box");
        aUser.press('f', {XK_Alt_L});
        aUser.pause(std::chrono::milliseconds(300));
        aUser.press('n');
        ASSERT_TRUE(aUser.waitUntil([this]() { return dialogActive(); })) << "no Open Device dialog";
        aUser.press(XK_Escape);
        ASSERT_TRUE(aUser.waitUntil([this]() { return frameActive(); }));
        record("Open Device");
        aUser.press(XK_F4, {XK_Alt_L});
    });
    ASSERT_TRUE(application->start({}));
    EXPECT_EQ(0, application->run());
    user.finish();
    const std::string first = std::to_string(FrontPanel::audioCodingModeId);
    EXPECT_EQ((std::vector<std::string>{"ring shown", "opened: " + first + " shown at " + first, "message box: 1061 shown at 1061",
                                        "Open Device: 1061 shown at 1061"}),
              seen);
}
}

namespace
{
// When Escape closes a file dialog the focus is back on the control that had
// it, where the toolkit shows it too.
TEST_F(TessivaInputTest, AFileDialogGivesTheFocusBack)
{
    // The file dialog keeps its settings in memory, not in a session bus the
    // display lacks.
    setenv("GSETTINGS_BACKEND", "memory", 1);
    make();
    bool opened = false;
    std::string focusAfter;
    user.start([&](DesktopUser& aUser) {
        openOffLineKq350(aUser);
        aUser.clickOn([this]() { return widgetOf(control(unitNameId)); });
        ASSERT_TRUE(aUser.waitUntil([&]() { return Window::focus() != nullptr && Window::focus()->id() == unitNameId; }));
        aUser.press('f', {XK_Alt_L});
        aUser.pause(std::chrono::milliseconds(300));
        aUser.press('o');
        for (int tries = 0; tries < 100 && !opened; ++tries)
        {
            aUser.pause(std::chrono::milliseconds(50));
            opened = Platform::shownWindowTitled("Open").id != 0;
        }
        aUser.pause(std::chrono::milliseconds(300));
        aUser.press(XK_Escape);
        ASSERT_TRUE(aUser.waitUntil([this]() { return frameActive(); }));
        aUser.waitUntil([&]() { return Window::focus() != nullptr && Window::focus()->id() == unitNameId; },
                        std::chrono::milliseconds(1500));
        aUser.look([&]() {
            const Window* focus = Window::focus();
            const Window* shown = toolkitFocus();
            focusAfter = std::to_string(focus != nullptr ? focus->id() : 0) + " shown at " +
                         std::to_string(shown != nullptr ? shown->id() : 0);
            return true;
        });
        aUser.press(XK_F4, {XK_Alt_L});
    });
    ASSERT_TRUE(application->start({}));
    EXPECT_EQ(0, application->run());
    user.finish();
    EXPECT_TRUE(opened) << "no file dialog came up";
    EXPECT_EQ("1061 shown at 1061", focusAfter);
}
}

namespace
{
// An opening that fails: the Open Device dialog is gone while the device
// opens, and the error's message box comes up over the opening box, with the
// focus, so that Enter answers it.
TEST_F(TessivaInputTest, AFailedOpeningShowsItsErrorOnTop)
{
    make();
    bool dialogGone = false;
    bool errorOnTop = false;
    bool answered = false;
    user.start([&](DesktopUser& aUser) {
        ASSERT_TRUE(aUser.waitUntil([this]() { return dialogActive(); })) << "the Open Device dialog has no focus";
        aUser.press(XK_Return);
        dialogGone = aUser.waitUntil([this]() {
            for (wxWindow* top : wxTopLevelWindows)
            {
                const Window* window = backend().view().windowOf(top);
                if (window != nullptr && window->templateId() == OpenDeviceDialog::templateId && top->IsShown())
                {
                    return false;
                }
            }
            return true;
        });
        errorOnTop = aUser.waitUntil(
            [this]() {
                wxWindow* active = wxGetActiveWindow();
                return backend().isMessageBoxShown() && active != nullptr && backend().view().windowOf(active) == nullptr;
            },
            std::chrono::seconds(20));
        aUser.press(XK_Return);
        answered = aUser.waitUntil([this]() { return !backend().isMessageBoxShown() && frameActive(); });
        aUser.press(XK_F4, {XK_Alt_L});
    });
    ASSERT_TRUE(application->start({}));
    EXPECT_EQ(0, application->run());
    user.finish();
    EXPECT_TRUE(dialogGone) << "the Open Device dialog stayed while the device opened";
    EXPECT_TRUE(errorOnTop) << "the error did not come up on top with the focus";
    EXPECT_TRUE(answered) << "Enter did not answer the error";
}
}

namespace
{
// Holding the up arrow of the Open Device dialog's address steps the address
// by 2, and by 4 after two seconds.
TEST_F(TessivaInputTest, HoldingTheAddressArrowRepeatsAndSpeedsUp)
{
    make();
    std::vector<int> positions;
    user.start([&](DesktopUser& aUser) {
        ASSERT_TRUE(aUser.waitUntil([this]() { return dialogActive(); })) << "the Open Device dialog has no focus";
        const wxRect arrows = aUser.screenRectOf(
            [this]() { return widgetOf(dialog()->findDescendant(OpenDeviceDialog::addressSpinId)); });
        aUser.moveTo(wxPoint(arrows.x + arrows.width / 2, arrows.y + arrows.height / 4));
        aUser.buttonDown();
        const auto start = std::chrono::steady_clock::now();
        while (std::chrono::steady_clock::now() - start < std::chrono::milliseconds(2800))
        {
            aUser.look([&]() {
                const int position = dialog()->findDescendant(OpenDeviceDialog::addressSpinId)->position();
                if (positions.empty() || positions.back() != position)
                {
                    positions.push_back(position);
                }
                return true;
            });
            DesktopUser::pause(std::chrono::milliseconds(20));
        }
        aUser.buttonUp();
        aUser.press(XK_Escape);
        ASSERT_TRUE(aUser.waitUntil([this]() { return frameActive(); }));
        aUser.press(XK_F4, {XK_Alt_L});
    });
    ASSERT_TRUE(application->start({}));
    EXPECT_EQ(0, application->run());
    user.finish();
    std::vector<int> steps;
    for (std::size_t index = 1; index < positions.size(); ++index)
    {
        steps.push_back(positions[index] - positions[index - 1]);
    }
    ASSERT_GE(steps.size(), 10u) << "the arrow did not repeat";
    const auto firstFour = std::find(steps.begin(), steps.end(), 4);
    EXPECT_NE(firstFour, steps.end()) << "no faster step after two seconds";
    EXPECT_GE(firstFour - steps.begin(), 10);
    EXPECT_TRUE(std::all_of(steps.begin(), firstFour, [](int aStep) { return aStep == 2; }));
    EXPECT_TRUE(std::all_of(firstFour, steps.end(), [](int aStep) { return aStep == 4; }));
}
}

namespace
{
// A click on a device's tab shows that device's panel.
TEST_F(TessivaInputTest, AClickOnATabShowsItsDevice)
{
    make();
    std::vector<std::string> seen;
    user.start([&](DesktopUser& aUser) {
        openTwoOffLineKq350s(aUser);
        const auto tabs = [this]() { return application->view()->tabs().window(); };
        const auto state = [&]() {
            aUser.look([&]() {
                seen.push_back(std::to_string(tabs()->selection()) + ":" +
                               (application->view()->tabs().panel(0)->window()->isShown() ? "first" : "") +
                               (application->view()->tabs().panel(1)->window()->isShown() ? "second" : ""));
                return true;
            });
        };
        state();
        for (int index : {0, 1})
        {
            aUser.clickOn([&]() -> wxWindow* {
                // The tab row: a button per tab, in order.
                wxWindow* strip = widgetOf(tabs());
                int tab = 0;
                for (wxWindow* child : strip != nullptr ? strip->GetChildren() : wxWindowList())
                {
                    if (dynamic_cast<wxToggleButton*>(child) != nullptr && tab++ == index)
                    {
                        return child;
                    }
                }
                return nullptr;
            });
            EXPECT_TRUE(aUser.waitUntil([&]() { return tabs()->selection() == index; })) << "tab " << index;
            state();
        }
        aUser.press(XK_F4, {XK_Alt_L});
    });
    ASSERT_TRUE(application->start({}));
    EXPECT_EQ(0, application->run());
    user.finish();
    EXPECT_EQ((std::vector<std::string>{"1:second", "0:first", "1:second"}), seen);
}
}

namespace
{
const int pageRowId = UnitFrontPanel::pagesId;
const int deviceRowId = 1048;

// The ids of the model's focus after each key, as the toolkit's focus
// shows it: "toolkit and model differ" when they do.
class FocusTrail
{
public:
    explicit FocusTrail(DesktopUser& aUser) : myUser(aUser) {}

    // Presses the key and waits until the focus moved (or a second passed).
    void press(unsigned long aKey, std::initializer_list<unsigned long> someModifiers = {})
    {
        const Window* before = nullptr;
        myUser.look([&before]() {
            before = Window::focus();
            return true;
        });
        myUser.press(aKey, someModifiers);
        myUser.waitUntil([before]() { return Window::focus() != before && Platform::InputTest::toolkitFocus() == Window::focus(); },
                         std::chrono::milliseconds(1000));
        myUser.look([this]() {
            const Window* focus = Window::focus();
            ids.push_back(focus == nullptr ? 0 : focus->id());
            if (Platform::InputTest::toolkitFocus() != focus)
            {
                differences.push_back(ids.size());
            }
            return true;
        });
    }

    std::vector<int> ids;
    std::vector<std::size_t> differences;

private:
    DesktopUser& myUser;
};

// Shift+Tab goes back through the Open Device dialog, and the Up and Down
// keys in the address step it as its arrows do, keeping the focus there.
TEST_F(TessivaInputTest, ShiftTabGoesBackAndTheArrowKeysStepTheAddress)
{
    make();
    std::vector<std::string> addresses;
    std::vector<int> backward;
    std::vector<std::size_t> differences;
    user.start([&](DesktopUser& aUser) {
        ASSERT_TRUE(aUser.waitUntil([this]() { return dialogActive(); })) << "the Open Device dialog has no focus";
        FocusTrail trail(aUser);
        for (int key = 0; key < 7; ++key)
        {
            trail.press(XK_Tab, {XK_Shift_L});
        }
        backward = trail.ids;
        // Forward again to the address: Device Type, Port, Baud Rate, Address.
        for (int key = 0; key < 3; ++key)
        {
            trail.press(XK_Tab);
        }
        const auto address = [this]() {
            Window* field = dialog()->findDescendant(OpenDeviceDialog::addressEditId);
            wxTextCtrl* widget = dynamic_cast<wxTextCtrl*>(widgetOf(field));
            const std::string shown = widget != nullptr ? std::string(widget->GetValue().utf8_str()) : "?";
            return field->text() + "|" + shown + (toolkitFocus() == field && field->hasFocus() ? "" : " (focus gone)");
        };
        const auto record = [&]() {
            aUser.look([&]() {
                addresses.push_back(address());
                return true;
            });
        };
        record();
        for (const unsigned long key : {XK_Up, XK_Up, XK_Down, XK_KP_Up})
        {
            std::string before;
            aUser.look([&]() {
                before = address();
                return true;
            });
            aUser.press(key);
            aUser.waitUntil([&]() { return address() != before; }, std::chrono::milliseconds(1000));
            record();
        }
        differences = trail.differences;
        aUser.press(XK_Escape);
        ASSERT_TRUE(aUser.waitUntil([this]() { return frameActive(); }));
        aUser.press(XK_F4, {XK_Alt_L});
    });
    ASSERT_TRUE(application->start({}));
    EXPECT_EQ(0, application->run());
    user.finish();
    EXPECT_EQ((std::vector<int>{Platform::DialogResult::cancel, Platform::DialogResult::ok,
                                OpenDeviceDialog::offLineCheckId, OpenDeviceDialog::addressEditId,
                                OpenDeviceDialog::baudRateComboId, OpenDeviceDialog::portComboId,
                                OpenDeviceDialog::deviceTypeComboId}),
              backward);
    EXPECT_EQ(std::vector<std::size_t>(), differences) << "keys after which the toolkit's focus was elsewhere";
    EXPECT_EQ((std::vector<std::string>{"8280|8280", "8282|8282", "8284|8284", "8282|8282", "8284|8284"}), addresses);
}

// Tab visits the device row, every control of the panel, the page row and
// the shown page, in that order, and comes round; no tool takes the focus,
// and Shift+Tab goes the same way back.
TEST_F(TessivaInputTest, TabGoesRoundThePanelThePageRowAndThePage)
{
    make();
    std::vector<int> forward;
    std::vector<int> backward;
    std::vector<std::size_t> differences;
    std::vector<std::string> wrong;
    user.start([&](DesktopUser& aUser) {
        openOffLineKq350(aUser);
        FocusTrail trail(aUser);
        const int most = 60;
        // Round to the device row first, then once round.
        for (int key = 0; key < most && (trail.ids.empty() || trail.ids.back() != deviceRowId); ++key)
        {
            trail.press(XK_Tab);
        }
        trail.ids.clear();
        for (int key = 0; key < most && (trail.ids.empty() || trail.ids.back() != deviceRowId); ++key)
        {
            trail.press(XK_Tab);
        }
        forward = trail.ids;
        trail.ids.clear();
        for (std::size_t key = 0; key < forward.size(); ++key)
        {
            trail.press(XK_Tab, {XK_Shift_L});
        }
        backward = trail.ids;
        differences = trail.differences;
        aUser.look([&]() {
            DevicePanel& panel = *application->view()->tabs().panel(0);
            Window* row = panel.window()->findDescendant(pageRowId);
            Window* page = nullptr;
            for (Window* child : row != nullptr ? row->children() : std::vector<Window*>())
            {
                if (child->isShown())
                {
                    page = child;
                }
            }
            if (page == nullptr)
            {
                wrong.push_back("no page shown");
                return true;
            }
            // Where each stop lies: the panel's own controls, then the row, then the page.
            int stage = 0;
            for (std::size_t index = 0; index + 1 < forward.size(); ++index)
            {
                const int id = forward[index];
                Window* control = page->findDescendant(id);
                const int place = id == pageRowId ? 1 : control != nullptr ? 2 : 0;
                if (control == nullptr && id != pageRowId && panel.window()->findDescendant(id) == nullptr)
                {
                    wrong.push_back(std::to_string(id) + " is not on the panel");
                }
                if (place < stage)
                {
                    wrong.push_back(std::to_string(id) + " out of reading order");
                }
                stage = std::max(stage, place);
            }
            if (stage != 2)
            {
                wrong.push_back("the page was not reached");
            }
            return true;
        });
        aUser.press(XK_F4, {XK_Alt_L});
    });
    ASSERT_TRUE(application->start({}));
    EXPECT_EQ(0, application->run());
    user.finish();
    ASSERT_FALSE(forward.empty());
    EXPECT_EQ(deviceRowId, forward.back()) << "Tab did not come round to the device row";
    EXPECT_EQ(std::vector<std::string>(), wrong);
    for (const int id : {unitNameId, bypassId, pageRowId})
    {
        EXPECT_EQ(1, std::count(forward.begin(), forward.end(), id)) << id;
    }
    EXPECT_EQ(0, std::count(forward.begin(), forward.end(), static_cast<int>(R::newDeviceCommand)));
    // The panel's own stops in reading order: its column top to bottom, the
    // model's rows before the encoder's buttons at its foot.
    const auto row = std::find(forward.begin(), forward.end(), pageRowId);
    EXPECT_EQ((std::vector<int>{FrontPanel::audioCodingModeId, FrontPanel::dataRateId,
                                FrontPanel::alternativeBitstreamModeId, FrontPanel::dialogNormalizationId,
                                FrontPanel::lfeEnableId, FrontPanel::timeCodeCtrlId, UnitFrontPanel::clockSourceId,
                                UnitFrontPanel::bypassId, UnitFrontPanel::codingDelayModeId,
                                UnitFrontPanel::codingDelayRequestedId, UnitFrontPanel::unitNameId,
                                FrontPanel::startButtonId, FrontPanel::stopButtonId}),
              std::vector<int>(forward.begin(), row));
    // Back: the same stops the other way round, from the one before the row.
    std::vector<int> reversed(forward.rbegin() + 1, forward.rend());
    reversed.push_back(deviceRowId);
    EXPECT_EQ(reversed, backward);
    EXPECT_EQ(std::vector<std::size_t>(), differences) << "keys after which the toolkit's focus was elsewhere";
}

// Up and Down in the Input/Output page's output stream number step it and
// keep the focus there; on a check box they leave the focus where it is
// (the toolkit would move it by place, up to the device row).
TEST_F(TessivaInputTest, ArrowKeysStepTheStreamNumberAndStayOnACheckBox)
{
    make();
    std::vector<std::string> seen;
    user.start([&](DesktopUser& aUser) {
        openOffLineKq350(aUser);
        const auto pageRow = [this]() {
            return application->view()->tabs().panel(0)->window()->findDescendant(pageRowId);
        };
        // Ctrl+Page Down to the Input/Output page.
        for (int key = 0; key < 10; ++key)
        {
            bool there = false;
            aUser.look([&]() {
                Window* field = control(UnitInputOutputPage::outputStreamEditId);
                there = field != nullptr && field->isVisible();
                return true;
            });
            if (there)
            {
                break;
            }
            aUser.press(XK_Page_Down, {XK_Control_L});
            aUser.pause(std::chrono::milliseconds(100));
        }
        ASSERT_NE(nullptr, pageRow());
        const auto state = [this](int anId) {
            Window* focus = Window::focus();
            Window* field = control(UnitInputOutputPage::outputStreamEditId);
            return "focus " + std::to_string(focus != nullptr ? focus->id() : 0) +
                   (toolkitFocus() == focus ? "" : " (toolkit elsewhere)") + ", stream " + field->text() +
                   (focus != nullptr && focus->id() == anId ? "" : " (moved)");
        };
        const auto step = [&](int anId, unsigned long aKey) {
            std::string before;
            aUser.look([&]() {
                before = state(anId);
                return true;
            });
            aUser.press(aKey);
            aUser.waitUntil([&]() { return state(anId) != before; }, std::chrono::milliseconds(700));
            aUser.look([&]() {
                seen.push_back(state(anId));
                return true;
            });
        };
        // Tab to each field, as the window may be too small to show it for a click.
        FocusTrail trail(aUser);
        const auto tabTo = [&](int anId, std::initializer_list<unsigned long> someModifiers) {
            for (int key = 0; key < 60 && (trail.ids.empty() || trail.ids.back() != anId); ++key)
            {
                trail.press(XK_Tab, someModifiers);
            }
            aUser.look([&]() {
                seen.push_back(state(anId));
                return true;
            });
        };
        tabTo(UnitInputOutputPage::outputStreamEditId, {});
        step(UnitInputOutputPage::outputStreamEditId, XK_Up);
        step(UnitInputOutputPage::outputStreamEditId, XK_Up);
        step(UnitInputOutputPage::outputStreamEditId, XK_Down);
        // Back to the panel's Bypass.
        tabTo(bypassId, {XK_Shift_L});
        step(bypassId, XK_Up);
        step(bypassId, XK_Down);
        aUser.press(XK_F4, {XK_Alt_L});
    });
    ASSERT_TRUE(application->start({}));
    EXPECT_EQ(0, application->run());
    user.finish();
    const std::string edit = "focus " + std::to_string(UnitInputOutputPage::outputStreamEditId) + ", stream ";
    const std::string check = "focus " + std::to_string(bypassId) + ", stream ";
    EXPECT_EQ((std::vector<std::string>{edit + "0", edit + "1", edit + "2", edit + "1", check + "1", check + "1",
                                        check + "1"}),
              seen);
}

// Ctrl+Page Down and Up, Ctrl+Tab and Ctrl+Shift+Tab turn the pages of the
// shown device, round at the ends; the arrows turn a focused row, the page
// row or the device row, stopping at its ends; each shows what a click shows.
TEST_F(TessivaInputTest, PagesAndDevicesTurnByKey)
{
    make();
    std::vector<std::string> seen;
    int pages = 0;
    user.start([&](DesktopUser& aUser) {
        openTwoOffLineKq350s(aUser);
        const auto devices = [this]() { return application->view()->tabs().window(); };
        // The shown device's page row, the shown device, the shown page.
        const auto state = [&]() {
            const int device = devices()->selection();
            DevicePanel* panel = application->view()->tabs().panel(device);
            Window* row = panel != nullptr ? panel->window()->findDescendant(pageRowId) : nullptr;
            std::string text = "device " + std::to_string(device) + " page " +
                               std::to_string(row != nullptr ? row->selection() : -1);
            for (int index = 0; index < application->view()->tabs().panelCount(); ++index)
            {
                if (application->view()->tabs().panel(index)->window()->isShown() != (index == device))
                {
                    text += ", panel " + std::to_string(index) + " shown wrong";
                }
            }
            UnitFrontPanel* unitPanel = dynamic_cast<UnitFrontPanel*>(panel);
            for (int index = 0; unitPanel != nullptr && index < unitPanel->pages().pageCount(); ++index)
            {
                if (unitPanel->pages().page(index)->window()->isShown() != (index == row->selection()))
                {
                    text += ", page " + std::to_string(index) + " shown wrong";
                }
            }
            return text;
        };
        aUser.look([&]() {
            pages = application->view()->tabs().panel(1)->window()->findDescendant(pageRowId)->itemCount();
            return true;
        });
        const auto step = [&](unsigned long aKey, std::initializer_list<unsigned long> someModifiers) {
            std::string before;
            aUser.look([&]() {
                before = state();
                return true;
            });
            aUser.press(aKey, someModifiers);
            aUser.waitUntil([&]() { return state() != before; }, std::chrono::milliseconds(1000));
            aUser.look([&]() {
                seen.push_back(state());
                return true;
            });
        };
        step(XK_Page_Down, {XK_Control_L});
        step(XK_Tab, {XK_Control_L});
        step(XK_Tab, {XK_Control_L, XK_Shift_L});
        step(XK_Page_Up, {XK_Control_L});
        step(XK_Page_Up, {XK_Control_L}); // round to the last page
        // Tab on to the page row: its arrows.
        FocusTrail trail(aUser);
        for (int key = 0; key < 40 && (trail.ids.empty() || trail.ids.back() != pageRowId); ++key)
        {
            trail.press(XK_Tab);
        }
        step(XK_Left, {});
        step(XK_Right, {});
        step(XK_Right, {}); // the end: nothing
        for (int key = 0; key < 40 && trail.ids.back() != deviceRowId; ++key)
        {
            trail.press(XK_Tab);
        }
        step(XK_Left, {});
        step(XK_Left, {}); // the first: nothing
        step(XK_Right, {});
        aUser.press(XK_F4, {XK_Alt_L});
    });
    ASSERT_TRUE(application->start({}));
    EXPECT_EQ(0, application->run());
    user.finish();
    const std::string last = std::to_string(pages - 1);
    const std::string beforeLast = std::to_string(pages - 2);
    EXPECT_EQ((std::vector<std::string>{"device 1 page 1", "device 1 page 2", "device 1 page 1", "device 1 page 0",
                                        "device 1 page " + last, "device 1 page " + beforeLast,
                                        "device 1 page " + last, "device 1 page " + last, "device 0 page 0",
                                        "device 0 page 0", "device 1 page " + last}),
              seen);
}
}

namespace
{
// Ctrl+PgDn from a control on a page takes the focus into the page it shows,
// on the toolkit as in the model; from the page row it stays on the row.
TEST_F(TessivaInputTest, TurningThePageFromInsideAPageTakesTheFocusIntoTheNewPage)
{
    make();
    std::vector<std::string> seen;
    user.start([&](DesktopUser& aUser) {
        openOffLineKq350(aUser);
        const auto row = [this]() { return control(pageRowId); };
        // Where the focus is: on the row, on the page shown, elsewhere.
        const auto where = [&]() {
            const Window* focus = Window::focus();
            const int selected = row()->selection();
            std::string text = "page " + std::to_string(selected) + ", focus ";
            if (focus == row())
            {
                text += "on the row";
            }
            else if (focus != nullptr && row()->isAncestorOf(*focus) && focus->isVisible())
            {
                text += "on the page shown";
            }
            else
            {
                text += "elsewhere (" + std::to_string(focus != nullptr ? focus->id() : 0) + ")";
            }
            return text + (toolkitFocus() == focus ? "" : ", toolkit elsewhere");
        };
        const auto turn = [&]() {
            int before = -1;
            aUser.look([&]() {
                before = row()->selection();
                return true;
            });
            aUser.press(XK_Page_Down, {XK_Control_L});
            aUser.waitUntil([&]() { return row()->selection() != before && toolkitFocus() == Window::focus(); },
                            std::chrono::seconds(2));
            aUser.look([&]() {
                seen.push_back(where());
                return true;
            });
        };
        const auto tabUntil = [&](const std::function<bool()>& aPlace) {
            for (int key = 0; key < 40; ++key)
            {
                bool there = false;
                aUser.look([&]() {
                    there = aPlace();
                    return true;
                });
                if (there)
                {
                    return;
                }
                aUser.press(XK_Tab);
                aUser.waitUntil([]() { return toolkitFocus() == Window::focus(); }, std::chrono::milliseconds(500));
            }
        };
        tabUntil([&]() { return Window::focus() != nullptr && Window::focus() != row() && row()->isAncestorOf(*Window::focus()); });
        turn();
        tabUntil([&]() { return Window::focus() == row(); });
        turn();
        aUser.press(XK_F4, {XK_Alt_L});
    });
    ASSERT_TRUE(application->start({}));
    EXPECT_EQ(0, application->run());
    user.finish();
    EXPECT_EQ((std::vector<std::string>{"page 1, focus on the page shown", "page 2, focus on the row"}), seen);
}
}

namespace
{
// On line: a whole start time code typed as one run of twelve digits goes to
// the unit field by field, and the focus ends in the stop hour, where the Up
// key sends the next hour and keeps the focus.
TEST_F(TessivaInputTest, ATimeCodeTypedInOneRunReachesTheUnitAndUpStepsTheStopHour)
{
    const std::uint16_t unitAddress = 0x8280;
    emulator.addUnit(unitAddress, Emulator::Kq350Unit::freshValues());
    make();
    const int startHour = TimeCodePage::firstEditId;
    const int stopHour = TimeCodePage::firstEditId + 5;
    std::vector<std::string> held;
    std::string focusAfterDigits;
    std::string focusAfterUp;
    user.start([&](DesktopUser& aUser) {
        ASSERT_NO_FATAL_FAILURE(openOnLineKq350(aUser));
        const auto row = [this]() { return control(pageRowId); };
        for (int key = 0; key < 10; ++key)
        {
            bool there = false;
            aUser.look([&]() {
                there = row()->itemText(row()->selection()) == "Time Code";
                return true;
            });
            if (there)
            {
                break;
            }
            int before = -1;
            aUser.look([&]() {
                before = row()->selection();
                return true;
            });
            aUser.press(XK_Page_Down, {XK_Control_L});
            aUser.waitUntil([&]() { return row()->selection() != before; }, std::chrono::seconds(5));
        }
        ASSERT_TRUE(aUser.waitUntil([&]() { return control(startHour) != nullptr && control(startHour)->isVisible(); }))
            << "no time code page";
        aUser.clickOn([&]() { return widgetOf(control(startHour)); });
        ASSERT_TRUE(aUser.waitUntil([&]() { return control(startHour)->hasFocus(); }));
        // An empty start hour, then the twelve digits.
        aUser.press('a', {XK_Control_L});
        aUser.press(XK_BackSpace);
        ASSERT_TRUE(aUser.waitUntil([&]() { return control(startHour)->text().empty(); }));
        aUser.type("010203041234");
        const std::vector<std::pair<int, int>> expected{{2, 0x01}, {3, 0x02}, {4, 0x03}, {5, 0x04}, {6, 1234}};
        const auto heldByTheUnit = [&]() {
            return std::all_of(expected.begin(), expected.end(), [&](const std::pair<int, int>& aField) {
                return emulator.value(unitAddress, 'E', static_cast<std::uint8_t>(aField.first)) ==
                       Emulator::UnitEmulator::integer(aField.second);
            });
        };
        aUser.waitUntil([&]() { return heldByTheUnit() && control(stopHour)->hasFocus(); }, std::chrono::seconds(10));
        const auto focusText = [&]() {
            const Window* focus = toolkitFocus();
            return std::to_string(focus != nullptr ? focus->id() : 0) + "/" +
                   std::to_string(Window::focus() != nullptr ? Window::focus()->id() : 0);
        };
        aUser.look([&]() {
            focusAfterDigits = focusText();
            return true;
        });
        aUser.press(XK_Up);
        aUser.waitUntil([&]() { return emulator.value(unitAddress, 'E', 7) == Emulator::UnitEmulator::integer(0x01); },
                        std::chrono::seconds(5));
        DesktopUser::pause(std::chrono::milliseconds(200));
        aUser.look([&]() {
            focusAfterUp = focusText();
            return true;
        });
        for (int field = 2; field <= 7; ++field)
        {
            const std::optional<Emulator::Bytes> value = emulator.value(unitAddress, 'E', static_cast<std::uint8_t>(field));
            std::string text = "E" + std::to_string(field) + "=";
            for (int candidate = 0; candidate <= 1535 && value; ++candidate)
            {
                if (*value == Emulator::UnitEmulator::integer(candidate))
                {
                    text += std::to_string(candidate);
                    break;
                }
            }
            held.push_back(text);
        }
        aUser.press(XK_F4, {XK_Alt_L});
    });
    ASSERT_TRUE(application->start({}));
    EXPECT_EQ(0, application->run());
    user.finish();
    EXPECT_EQ((std::vector<std::string>{"E2=1", "E3=2", "E4=3", "E5=4", "E6=1234", "E7=1"}), held);
    const std::string stop = std::to_string(stopHour);
    EXPECT_EQ(stop + "/" + stop, focusAfterDigits);
    EXPECT_EQ(stop + "/" + stop, focusAfterUp) << "the Up key took the focus away";
}
}

namespace
{
using Clock = std::chrono::steady_clock;

long long millisecondsBetween(Clock::time_point aFrom, Clock::time_point aTo)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(aTo - aFrom).count();
}

// The share of a widget's pixels on the screen that are not black: a window
// that was never painted shows black.
double paintedShare(wxWindow& aWidget)
{
    const wxRect place = aWidget.GetScreenRect();
    const wxImage image = Platform::InputTest::screenImage(place);
    long painted = 0;
    for (int y = 0; y < image.GetHeight(); ++y)
    {
        for (int x = 0; x < image.GetWidth(); ++x)
        {
            painted += image.GetRed(x, y) + image.GetGreen(x, y) + image.GetBlue(x, y) > 30 ? 1 : 0;
        }
    }
    const long all = static_cast<long>(image.GetWidth()) * image.GetHeight();
    return all > 0 ? double(painted) / double(all) : 0.0;
}

// An on-line KQ350 at 9600 baud, where one poll exchange outlasts the poll
// period: while it polls, the window paints its panel, Alt+F opens the File
// menu within half a second, and a click on a check box reaches the unit.
TEST_F(TessivaInputTest, AtTheLowestBaudRateTheWindowStaysLiveWhileItPolls)
{
    const std::uint16_t unitAddress = onLineAddress;
    offerOnLineKq350(0);
    emulator.setBaudRate(9600);
    make();
    std::atomic<long long> menuOpenedAt{0};
    Clock::time_point pressed;
    double painted = 0;
    std::uint64_t polled = 0;
    bool written = false;
    user.start([&](DesktopUser& aUser) {
        openWhatIsOffered(aUser);
        const std::uint64_t pollsBefore = emulator.counts().bytesSent;
        // The panel is painted within half a second while the polls go on.
        ASSERT_TRUE(aUser.look(
            [&]() {
                painted = paintedShare(*widgetOf(control(unitNameId)));
                wxFrame* frame = dynamic_cast<wxFrame*>(widgetOf(&application->frame()->window()));
                if (frame == nullptr)
                {
                    return false;
                }
                frame->Bind(wxEVT_MENU_OPEN, [&menuOpenedAt](wxMenuEvent& anEvent) {
                    if (menuOpenedAt == 0)
                    {
                        menuOpenedAt = Clock::now().time_since_epoch().count();
                    }
                    anEvent.Skip();
                });
                return true;
            },
            std::chrono::milliseconds(500)))
            << "the frame is not a frame";
        pressed = Clock::now();
        aUser.press('f', {XK_Alt_L});
        aUser.waitUntil([&]() { return menuOpenedAt != 0; }, std::chrono::seconds(3));
        aUser.press(XK_Escape);
        DesktopUser::pause(std::chrono::milliseconds(200));
        aUser.press(XK_Escape);
        const std::optional<Emulator::Bytes> before = emulator.value(unitAddress, 'a', 8);
        aUser.clickOn([this]() { return widgetOf(control(bypassId)); });
        written = aUser.waitUntil([&]() { return emulator.value(unitAddress, 'a', 8) != before; },
                                  std::chrono::seconds(5));
        polled = emulator.counts().bytesSent - pollsBefore;
        aUser.clickTheCloseBox([this]() { return widgetOf(&application->frame()->window()); });
    });
    ASSERT_TRUE(application->start({}));
    EXPECT_EQ(0, application->run());
    user.finish();
    EXPECT_GT(painted, 0.5) << "share of the unit name field painted";
    ASSERT_NE(menuOpenedAt, 0) << "Alt+F opened no menu";
    const Clock::time_point opened{Clock::duration(menuOpenedAt.load())};
    EXPECT_LE(millisecondsBetween(pressed, opened), 500) << "milliseconds from Alt+F to the open menu";
    EXPECT_TRUE(written) << "the click on Bypass did not reach the unit";
    EXPECT_GT(polled, 0u) << "the unit was not polled meanwhile";
}
}

namespace
{
// While a poll waits on a unit that answers busy, the window is drawn again
// when another window that covered it goes away; the wait ends quietly when
// the unit is ready again.
TEST_F(TessivaInputTest, AWaitOnABusyUnitKeepsTheWindowDrawn)
{
    const std::uint16_t unitAddress = onLineAddress;
    offerOnLineKq350(2);
    make();
    std::unique_ptr<Platform::DrawWatch> drawn;
    Clock::time_point uncovered;
    Clock::time_point ready;
    bool errorShown = true;
    user.start([&](DesktopUser& aUser) {
        openWhatIsOffered(aUser);
        const auto frame = [this]() { return widgetOf(&application->frame()->window()); };
        const wxRect place = aUser.screenRectOf(frame);
        aUser.look([&]() {
            drawn = std::make_unique<Platform::DrawWatch>(*frame());
            return true;
        });
        // Busy for good: the next poll waits (about 15 s in all before it gives up).
        emulator.injectFault(unitAddress, Emulator::UnitFault::busy(Emulator::UnitFault::forever));
        DesktopUser::pause(std::chrono::milliseconds(300));
        aUser.cover(wxRect(place.x, place.y, place.width / 2, place.height / 2), std::chrono::milliseconds(200));
        uncovered = Clock::now();
        DesktopUser::pause(std::chrono::milliseconds(500));
        ready = Clock::now();
        emulator.clearFaults(unitAddress);
        ASSERT_TRUE(aUser.waitUntil([this]() { return frameActive(); }, std::chrono::seconds(5)));
        errorShown = aUser.look([this]() { return dialog() != nullptr || backend().isMessageBoxShown(); });
        aUser.clickTheCloseBox(frame);
    });
    ASSERT_TRUE(application->start({}));
    EXPECT_EQ(0, application->run());
    user.finish();
    ASSERT_NE(drawn, nullptr);
    const std::vector<Platform::DrawWatch::Drawing> drawings = drawn->drawings();
    EXPECT_TRUE(std::any_of(drawings.begin(), drawings.end(),
                            [&](const Platform::DrawWatch::Drawing& aDrawing) {
                                return aDrawing.at > uncovered && aDrawing.at < ready;
                            }))
        << "the window was not drawn again while the unit was busy";
    EXPECT_FALSE(errorShown) << "an error came up for a wait that ended";
    drawn.reset();
}
}

namespace
{
// Sizing the window lays out its view again: after Tab scrolled the view
// across and the window is maximised, every control is still where a scroll
// bar can reach it, and on the screen when the view shows it all. (Run on a
// small screen: TessivaSmallScreenMaximise.)
TEST_F(TessivaInputTest, MaximisingAfterTabScrolledKeepsEveryControlReachable)
{
    const auto frameWidget = [this]() {
        return dynamic_cast<wxTopLevelWindow*>(widgetOf(&application->frame()->window()));
    };
    const auto formWidget = [this]() {
        return dynamic_cast<wxScrolledWindow*>(widgetOf(&application->view()->window()));
    };
    make();
    bool scrolled = false;
    bool maximised = false;
    std::vector<std::string> wrong;
    user.start([&](DesktopUser& aUser) {
        openOffLineKq350(aUser);
        // As the user drags the window's corner: narrower than the panel.
        aUser.look([&]() {
            frameWidget()->SetSize(600, 450);
            return true;
        });
        aUser.pause(std::chrono::milliseconds(300));
        for (int press = 0; press < 60 && !scrolled; ++press)
        {
            aUser.press(XK_Tab);
            aUser.pause(std::chrono::milliseconds(30));
            aUser.look([&]() {
                scrolled = formWidget()->GetViewStart().x > 0;
                return true;
            });
        }
        aUser.look([&]() {
            frameWidget()->Maximize(true);
            return true;
        });
        maximised = aUser.waitUntil([&]() { return frameWidget()->IsMaximized(); });
        aUser.pause(std::chrono::milliseconds(500));
        aUser.look([&]() {
            wxScrolledWindow* form = formWidget();
            const wxRect shown = form->GetScreenRect();
            const wxRect screen(wxPoint(0, 0), wxGetDisplaySize());
            const bool allShown = form->GetVirtualSize().x <= form->GetClientSize().x;
            for (const wxWindow* child : form->GetChildren())
            {
                if (!child->IsShown())
                {
                    continue;
                }
                const wxRect place = child->GetScreenRect();
                const wxPoint unscrolled = form->CalcUnscrolledPosition(child->GetPosition());
                const std::string name = child->GetName().ToStdString() + " \"" + child->GetLabel().ToStdString() + "\"";
                if (unscrolled.x < 0)
                {
                    wrong.push_back(name + " lies " + std::to_string(-unscrolled.x) + " px left of the view");
                }
                if (allShown && (place.x < shown.x || place.GetRight() > shown.GetRight()))
                {
                    wrong.push_back(name + " is cut by the view that shows it all");
                }
                if (allShown && !screen.Contains(place))
                {
                    wrong.push_back(name + " is off the screen");
                }
            }
            return true;
        });
        aUser.press(XK_F4, {XK_Alt_L});
    });
    ASSERT_TRUE(application->start({}));
    EXPECT_EQ(0, application->run());
    user.finish();
    ASSERT_TRUE(scrolled) << "Tab did not scroll the view across";
    ASSERT_TRUE(maximised) << "the desktop did not maximise the window";
    EXPECT_EQ(std::vector<std::string>(), wrong);
}
}

namespace
{
// What the screen shows of a panel's LED beside the panel's background (the
// colour most of the panel shows): every pixel of the LED's static either is
// the lamp's own colour, where its picture paints the lamp, or the
// background; one line per pixel that is neither.
std::vector<std::string> ledPixelsAgainstThePanel(wxWindow& aLed, const Platform::Bitmap& aLamp)
{
    wxWindow& panel = *aLed.GetParent();
    const wxRect screenArea(wxPoint(0, 0), wxGetDisplaySize());
    const wxRect panelPlace = panel.GetScreenRect().Intersect(screenArea);
    const wxRect ledPlace = aLed.GetScreenRect();
    const wxImage image = Platform::InputTest::screenImage(panelPlace);
    const auto colourAt = [&image](int anX, int aY) {
        return Platform::Colour(image.GetRed(anX, aY), image.GetGreen(anX, aY), image.GetBlue(anX, aY));
    };
    const auto key = [](const Platform::Colour& aColour) { return (aColour.red << 16) | (aColour.green << 8) | aColour.blue; };
    std::map<int, long> counts;
    for (int y = 0; y < image.GetHeight(); ++y)
    {
        for (int x = 0; x < image.GetWidth(); ++x)
        {
            ++counts[key(colourAt(x, y))];
        }
    }
    const auto most = std::max_element(counts.begin(), counts.end(),
                                       [](const auto& aLeft, const auto& aRight) { return aLeft.second < aRight.second; });
    const Platform::Colour background(static_cast<unsigned char>(most->first >> 16),
                                      static_cast<unsigned char>(most->first >> 8), static_cast<unsigned char>(most->first));
    const auto text = [](const Platform::Colour& aColour) {
        return std::to_string(aColour.red) + "," + std::to_string(aColour.green) + "," + std::to_string(aColour.blue);
    };
    std::vector<std::string> wrong;
    for (int y = 0; y < ledPlace.height; ++y)
    {
        for (int x = 0; x < ledPlace.width; ++x)
        {
            // The lamp is what its picture paints in the colour of its middle.
            const bool lamp = x < aLamp.width() && y < aLamp.height() && !aLamp.isTransparent(x, y) &&
                              aLamp.pixel(x, y) == aLamp.pixel(aLamp.width() / 2, aLamp.height() / 2);
            const Platform::Colour expected = lamp ? aLamp.pixel(x, y) : background;
            const Platform::Colour shown = colourAt(ledPlace.x - panelPlace.x + x, ledPlace.y - panelPlace.y + y);
            if (shown != expected)
            {
                wrong.push_back(std::to_string(x) + "," + std::to_string(y) + " shows " + text(shown) + " for " +
                                text(expected));
            }
        }
    }
    // The first few tell what is wrong.
    const std::size_t told = 6;
    if (wrong.size() > told)
    {
        const std::size_t all = wrong.size();
        wrong.resize(told);
        wrong.push_back("... " + std::to_string(all) + " pixels in all");
    }
    return wrong;
}

// A KQ350's LEDs are round lamps on the panel's own background, not on
// squares of another grey.
TEST_F(TessivaInputTest, ThePanelsLedsSitOnThePanelsBackground)
{
    const int leds[] = {UnitFrontPanel::clockLedId, UnitFrontPanel::passThroughLedId};
    make();
    std::map<int, std::vector<std::string>> wrong;
    user.start([&](DesktopUser& aUser) {
        openOffLineKq350(aUser);
        const auto look = [&]() {
            wrong.clear();
            for (int id : leds)
            {
                const Window* led = control(id);
                wxWindow* widget = widgetOf(led);
                const Platform::Bitmap* lamp = led != nullptr ? application->resources().bitmap(led->image()) : nullptr;
                if (widget == nullptr || lamp == nullptr || !widget->IsShownOnScreen())
                {
                    wrong[id].push_back("not on the screen");
                    continue;
                }
                wrong[id] = ledPixelsAgainstThePanel(*widget, *lamp);
            }
            return std::all_of(wrong.begin(), wrong.end(), [](const auto& anEntry) { return anEntry.second.empty(); });
        };
        // Drawn within a few seconds: then the picture stays as it is.
        aUser.waitUntil(look, std::chrono::seconds(5));
        aUser.press(XK_F4, {XK_Alt_L});
    });
    ASSERT_TRUE(application->start({}));
    EXPECT_EQ(0, application->run());
    user.finish();
    for (int id : leds)
    {
        EXPECT_EQ(std::vector<std::string>(), wrong[id]) << "pixels of LED " << id;
    }
}
}

namespace
{
// Whether a file dialog of the toolkit's is on the screen; on the main thread.
bool fileDialogShown()
{
    return std::any_of(wxTopLevelWindows.begin(), wxTopLevelWindows.end(), [](wxWindow* aWindow) {
        return dynamic_cast<wxFileDialog*>(aWindow) != nullptr && aWindow->IsShown();
    });
}

// An on-line KQ350 at 9600 baud: after OK in the Open Configuration dialog
// the window is drawn again where the dialog was before the configuration's
// first exchange with the unit, not left showing the closed dialog while the
// program talks to the unit.
TEST_F(TessivaInputTest, AfterOkInTheOpenConfigurationDialogTheWindowIsDrawnBeforeTheExchanges)
{
    // The file dialog keeps its settings in memory, not in a session bus the
    // display lacks.
    setenv("GSETTINGS_BACKEND", "memory", 1);
    offerOnLineKq350(0);
    emulator.setBaudRate(9600);
    make();
    const TemporaryFolder folder;
    const std::string path = folder.pathOf("unit.vnb");
    // Each drawing of the window notes when it came.
    enum
    {
        notYet,
        dialogShown,
        beforeTheUnit,
        withTheUnit
    };
    std::atomic<std::uint64_t> base{0};
    std::atomic<bool> armed{false};
    std::unique_ptr<Platform::DrawWatch> drawn;
    wxRect covered;
    std::size_t written = 0;
    bool repainted = false;
    user.start([&](DesktopUser& aUser) {
        openWhatIsOffered(aUser);
        // What the unit holds is the configuration to restore.
        ASSERT_TRUE(aUser.look([&]() {
            std::ofstream file(path);
            application->view()->tabs().saveConfiguration(file);
            return static_cast<bool>(file);
        }));
        const bool bypassed = aUser.look([&]() { return control(bypassId)->isChecked(); });
        // The unit then holds other values, which the restore writes back.
        for (int id : {bypassId, PreprocessingPage::lfeLowpassId, PreprocessingPage::dcHighpassId,
                       PreprocessingPage::bandwidthLowpassId, PreprocessingPage::phaseShiftId,
                       PreprocessingPage::attenuationId, PreprocessingPage::overmodulationId})
        {
            const bool checked = aUser.look([&]() { return control(id)->isChecked(); });
            aUser.clickOn([&]() { return widgetOf(control(id)); });
            ASSERT_TRUE(aUser.waitUntil([&]() { return control(id)->isChecked() != checked; })) << "a click missed " << id;
        }
        const auto frame = [this]() { return widgetOf(&application->frame()->window()); };
        wxRect window;
        aUser.look([&]() {
            window = drawingAreaOnScreen(*frame());
            drawn = std::make_unique<Platform::DrawWatch>(*frame(), [&]() {
                if (!armed)
                {
                    return notYet;
                }
                if (fileDialogShown())
                {
                    return dialogShown;
                }
                // The command shows the wait cursor while it works with the unit.
                return !wxIsBusy() && emulator.counts().bytesReceived == base ? beforeTheUnit : withTheUnit;
            });
            return true;
        });
        const Platform::ScreenReader screen;
        DesktopUser::pause(std::chrono::milliseconds(500));
        const std::vector<std::uint32_t> before = screen.pixels(window);
        aUser.press('f', {XK_Alt_L});
        DesktopUser::pause(std::chrono::milliseconds(300));
        aUser.press('o');
        Platform::ScreenWindow chooser;
        for (int tries = 0; tries < 200 && chooser.id == 0; ++tries)
        {
            DesktopUser::pause(std::chrono::milliseconds(50));
            chooser = Platform::shownWindowTitled("Open");
        }
        ASSERT_NE(0u, chooser.id) << "no file dialog came up";
        covered = chooser.place.Intersect(window);
        covered.Offset(-window.x, -window.y);
        aUser.type(path);
        DesktopUser::pause(std::chrono::milliseconds(700));
        base = emulator.counts().bytesReceived;
        armed = true;
        aUser.press(XK_Return);
        // Bypass, the first value clicked, comes back with the restore.
        const bool restored = aUser.waitUntil(
            [&]() { return !fileDialogShown() && control(bypassId)->isChecked() == bypassed; }, std::chrono::seconds(30));
        ASSERT_TRUE(restored) << "the configuration was not restored";
        // The screen shows the window again where the dialog was.
        const auto same = [&]() {
            const std::vector<std::uint32_t> shown = screen.pixels(window);
            std::size_t equal = 0;
            for (std::size_t index = 0; index < shown.size() && index < before.size(); ++index)
            {
                equal += shown[index] == before[index] ? 1 : 0;
            }
            return !before.empty() && equal * 10 >= before.size() * 9;
        };
        for (int tries = 0; tries < 100 && !repainted; ++tries)
        {
            repainted = same();
            DesktopUser::pause(std::chrono::milliseconds(50));
        }
        written = static_cast<std::size_t>(emulator.counts().bytesReceived - base);
        aUser.clickTheCloseBox(frame);
    });
    ASSERT_TRUE(application->start({}));
    EXPECT_EQ(0, application->run());
    user.finish();
    ASSERT_NE(drawn, nullptr) << "the window was not watched";
    ASSERT_GT(covered.width * covered.height, 10000) << "the dialog hid too little of the window to tell";
    EXPECT_GT(written, 0u) << "the restore sent nothing to the unit";
    EXPECT_TRUE(repainted) << "the window never showed again where the dialog was";
    // A drawing of the whole area the dialog hid, after the dialog went and
    // before the command began with the unit.
    const char* const whens[] = {"before", "under the dialog", "before the unit", "with the unit"};
    std::vector<std::string> seen;
    bool drawnBefore = false;
    for (const Platform::DrawWatch::Drawing& drawing : drawn->drawings())
    {
        if (drawing.value != notYet)
        {
            seen.push_back(std::string(whens[drawing.value]) + ": " + std::to_string(drawing.area.width) + "x" +
                           std::to_string(drawing.area.height) + " at " + std::to_string(drawing.area.x) + "," +
                           std::to_string(drawing.area.y));
        }
        drawnBefore = drawnBefore || (drawing.value == beforeTheUnit && drawing.area.Contains(covered));
    }
    EXPECT_TRUE(drawnBefore) << "the dialog covered " << covered.width << "x" << covered.height << " at " << covered.x
                             << "," << covered.y << "; the window's drawings after OK:\n"
                             << testing::PrintToString(seen);
    drawn.reset();
}
}
