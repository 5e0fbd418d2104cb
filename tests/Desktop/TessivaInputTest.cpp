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
#include "tests/Desktop/InputTest.h"
#include "tests/emulator/UnitEmulator.h"
#include "tests/emulator/UnitFault.h"
#include "tests/emulator/UnitFrame.h"
#include "tests/emulator/models/Kq350Unit.h"
#include "tests/support/PortProfile.h"

#include <gtest/gtest.h>

#include <wx/dcmemory.h>
#include <wx/dcscreen.h>
#include <wx/frame.h>
#include <wx/image.h>
#include <wx/listbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/tglbtn.h>
#include <wx/toplevel.h>

#include <X11/keysym.h>

#include <algorithm>
#include <atomic>
#include <chrono>
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

    // A KQ350 on line at 0x8280 on COM1, at the rate of aBaudIndex in the
    // Open Device dialog's list (0: 9600 baud), is what the dialog offers.
    void offerOnLineKq350(int aBaudIndex)
    {
        emulator.addUnit(onLineAddress, Emulator::Kq350Unit::freshValues());
        Platform::ProfileStore store("Tessiva");
        store.writeInt("Settings", "device type", 2);
        store.writeInt("Settings", "port number", 0);
        store.writeInt("Settings", "baud rate", aBaudIndex);
        store.writeInt("Settings", "off line", 0);
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
        ASSERT_TRUE(aUser.waitUntil([this]() { return dialogActive(); })) << "the Open Device dialog has no focus";
        aUser.press(XK_End);
        ASSERT_TRUE(aUser.waitUntil([this]() {
            return dialog()->findDescendant(OpenDeviceDialog::deviceTypeComboId)->selection() == 2;
        }));
        aUser.press(XK_Return);
        ASSERT_TRUE(aUser.waitUntil([this]() { return frameActive() && control(unitNameId) != nullptr; },
                                    std::chrono::seconds(10)))
            << "no KQ350 panel came up";
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
        openOffLineKq350(aUser);
        // A second one: the dialog keeps the last choices.
        aUser.clickOn([this]() {
            Window* bar = application->frame()->toolBar();
            return widgetOf(bar != nullptr ? bar->findChild(static_cast<int>(R::newDeviceCommand)) : nullptr);
        });
        ASSERT_TRUE(aUser.waitUntil([this]() { return dialogActive(); })) << "the Open Device dialog has no focus";
        aUser.press(XK_Return);
        const auto tabs = [this]() { return application->view()->tabs().window(); };
        ASSERT_TRUE(aUser.waitUntil([&]() { return frameActive() && tabs()->itemCount() == 2; }));
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
    wxScreenDC screen;
    wxBitmap grab(place.width, place.height, 24);
    {
        wxMemoryDC memory(grab);
        memory.Blit(0, 0, place.width, place.height, &screen, place.x, place.y);
    }
    const wxImage image = grab.ConvertToImage();
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
