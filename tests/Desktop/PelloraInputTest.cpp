// Pellora on the desktop: the real program on the drawing backend under a
// virtual display with a window manager, acted on by a person's mouse and
// keyboard; the unit is the emulator.
#include "Pellora/Program/CMainFrame.h"
#include "Pellora/Program/PelloraApp.h"
#include "Pellora/Program/PelloraDoc.h"
#include "Pellora/Program/PelloraResources.h"
#include "Pellora/Program/PelloraView.h"
#include "Platform/Framework/CommandIds.h"
#include "Platform/ProfileStore.h"
#include "Platform/Window/Bitmap.h"
#include "Platform/Window/Resources.h"
#include "Platform/SerialLine.h"
#include "Platform/Window/Window.h"
#include "Platform/Wx/ScreenReaderName.h"
#include "Platform/Wx/WxView.h"
#include "tests/Pellora/SRecordFiles.h"
#include "tests/Desktop/DrawWatch.h"
#include "tests/Desktop/InputTest.h"
#include "tests/emulator/UnitEmulator.h"
#include "tests/support/PortProfile.h"
#include "tests/support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <wx/bmpbuttn.h>
#include <wx/gauge.h>
#include <wx/statbox.h>
#include <wx/dcmemory.h>
#include <wx/dcscreen.h>
#include <wx/dcclient.h>
#include <wx/display.h>
#include <wx/stattext.h>
#include <wx/image.h>
#include <wx/radiobut.h>
#include <wx/textctrl.h>
#include <wx/toplevel.h>

#include <X11/keysym.h>

#include <algorithm>
#include <cstdlib>
#include <sys/stat.h>
#include <atomic>
#include <chrono>
#include <memory>
#include <string>
#include <vector>

using Platform::DesktopUser;
using Platform::Window;
using R = PelloraResources;
using Clock = std::chrono::steady_clock;

namespace
{
const std::uint16_t unitAddress = 0x8380;

class PelloraInputTest : public Platform::InputTest
{
protected:
    PelloraInputTest() : myProgramName(Platform::SerialLine::programName())
    {
        Platform::SerialLine::setProgramName("Pellora");
        emulator.addUnit(unitAddress);
        emulator.setIdentification(unitAddress, "KQ330", "1.10");
        // The unit answers at the pace of a real line.
        emulator.setBaudRate(38400);
        profile.map(3, emulator.devicePath());
        Platform::ProfileStore store("Pellora");
        EXPECT_TRUE(store.writeInt("Settings", "CommPort", 2));
        EXPECT_TRUE(store.writeInt("Settings", "BaudRate", 3));
        EXPECT_TRUE(store.writeInt("Settings", "DeviceAddress", static_cast<std::int16_t>(unitAddress)));
    }

    ~PelloraInputTest() override { Platform::SerialLine::setProgramName(myProgramName); }

    // The widget of a control of the form, or nullptr; on the main thread.
    wxWindow* widget(int anId)
    {
        if (application.frame() == nullptr)
        {
            return nullptr;
        }
        Window* control = application.frame()->window().findDescendant(anId);
        return control != nullptr ? backend().view().widgetOf(*control) : nullptr;
    }

    wxWindow* toolButton(unsigned aCommand)
    {
        Window* bar = application.frame() != nullptr ? application.frame()->toolBar() : nullptr;
        Window* button = bar != nullptr ? bar->findChild(static_cast<int>(aCommand)) : nullptr;
        return button != nullptr ? backend().view().widgetOf(*button) : nullptr;
    }

    Window& control(int anId) { return *application.frame()->window().findDescendant(anId); }

    wxWindow* frameWidget()
    {
        return application.frame() != nullptr ? backend().view().widgetOf(application.frame()->window()) : nullptr;
    }

    void waitForTheWindow(DesktopUser& aUser)
    {
        ASSERT_TRUE(aUser.waitUntil([this]() {
            wxTopLevelWindow* frame = dynamic_cast<wxTopLevelWindow*>(frameWidget());
            // The window manager gave the program the focus.
            return frame != nullptr && frame->IsShownOnScreen() && frame->IsActive();
        })) << "the window did not come up with the focus";
    }

    // Until a modal box shows with the focus; false when none came.
    bool waitForTheModalBox(DesktopUser& aUser)
    {
        return aUser.waitUntil([]() {
            const Window* box = backend().innermostModal();
            wxTopLevelWindow* widget =
                box != nullptr ? dynamic_cast<wxTopLevelWindow*>(backend().view().widgetOf(*box)) : nullptr;
            return widget != nullptr && widget->IsShownOnScreen() && widget->IsActive();
        });
    }

    std::string writeDownloadScript(int aLineCount)
    {
        lines = recordLines("D", aLineCount);
        const std::string file = files.write("big.s19", fileText(lines));
        return files.write("run.prx", "download_mode;\ndownload_files(\"" + file + "\");\nreset;\n");
    }

    std::size_t linesSent() { return emulator.downloadLines(unitAddress).size(); }

    // Until the unit has read every line the program wrote.
    void waitForTheLineToSettle()
    {
        std::size_t before = linesSent();
        for (;;)
        {
            DesktopUser::pause(std::chrono::milliseconds(200));
            const std::size_t now = linesSent();
            if (now == before)
            {
                return;
            }
            before = now;
        }
    }

    std::string myProgramName;
    PortProfile profile;
    TemporaryFolder files;
    Emulator::UnitEmulator emulator;
    std::vector<std::string> lines;
    PelloraApp application;
};

// Each group shows exactly the button the model holds checked, after clicks
// on buttons of both groups.
TEST_F(PelloraInputTest, RadioButtonsClickedShowOneChoicePerGroup)
{
    ASSERT_TRUE(application.start({}));
    std::vector<std::string> shown;
    user.start([&](DesktopUser& aUser) {
        waitForTheWindow(aUser);
        for (int id : {R::firstPort + 0, R::firstPort + 3, R::firstBaudRate + 1})
        {
            aUser.clickOn([this, id]() { return widget(id); });
            ASSERT_TRUE(aUser.waitUntil([this, id]() { return control(id).isChecked(); })) << "radio " << id;
        }
        aUser.look([&]() {
            for (int first : {R::firstPort, R::firstBaudRate})
            {
                std::string group;
                for (int id = first; id < first + 4; ++id)
                {
                    wxRadioButton* radio = dynamic_cast<wxRadioButton*>(widget(id));
                    group += control(id).isChecked() ? "M" : "-";
                    group += radio != nullptr && radio->GetValue() ? "W" : "-";
                }
                shown.push_back(group);
            }
            return true;
        });
        aUser.press(XK_F4, {XK_Alt_L});
    });
    EXPECT_EQ(0, application.run());
    user.finish();
    // Model and widget agree, one per group: COM4 and 14400 baud.
    EXPECT_EQ((std::vector<std::string>{"------MW", "--MW----"}), shown);
    EXPECT_EQ(3, Platform::ProfileStore("Pellora").getInt("Settings", "CommPort", -1));
    EXPECT_EQ(1, Platform::ProfileStore("Pellora").getInt("Settings", "BaudRate", -1));
}

// Each tool shows its own picture of the bar's bitmap, whole; the pointer
// over it shows its tip and the status bar its prompt, and the status bar
// goes back to its idle text when the pointer leaves.
TEST_F(PelloraInputTest, ToolsShowTheirPicturesTipsAndPrompts)
{
    // With a script chosen, every tool but Stop is enabled; a disabled tool
    // takes no pointer and prompts nothing.
    ASSERT_TRUE(application.start({files.write("run.prx", "print(\"x\");\n")}));
    std::vector<std::string> seen;
    user.start([&](DesktopUser& aUser) {
        waitForTheWindow(aUser);
        for (unsigned command : {Platform::CommandIds::fileOpen, R::startCommand, R::stopCommand,
                                 Platform::CommandIds::appAbout})
        {
            const std::string name = std::to_string(command);
            aUser.look([&]() {
                const Platform::ToolBarResource& bar = *application.frame()->resources().toolBar(R::mainFrame);
                const Platform::Bitmap& strip = *application.frame()->resources().bitmap(bar.bitmap);
                const std::vector<unsigned> buttons = bar.buttons();
                const int index = static_cast<int>(std::find(buttons.begin(), buttons.end(), command) - buttons.begin());
                wxBitmapButton* button = dynamic_cast<wxBitmapButton*>(toolButton(command));
                if (button == nullptr)
                {
                    seen.push_back(name + ": no button");
                    return true;
                }
                const wxImage shown = button->GetBitmapLabel().ConvertToImage();
                bool same = shown.GetWidth() == bar.buttonWidth && shown.GetHeight() == bar.buttonHeight;
                for (int y = 0; same && y < bar.buttonHeight; ++y)
                {
                    for (int x = 0; same && x < bar.buttonWidth; ++x)
                    {
                        const Platform::Colour colour = strip.pixel(index * bar.buttonWidth + x, y);
                        same = shown.GetRed(x, y) == colour.red && shown.GetGreen(x, y) == colour.green &&
                               shown.GetBlue(x, y) == colour.blue;
                    }
                }
                seen.push_back(name + (same ? ": own picture" : ": another picture") + ", tip " +
                               std::string(button->GetToolTipText().utf8_str()) + ", named " +
                               Platform::screenReaderName(*button));
                return true;
            });
            const wxRect place = aUser.screenRectOf([this, command]() { return toolButton(command); });
            aUser.moveTo(wxPoint(place.x + place.width / 2, place.y + place.height / 2));
            aUser.waitUntil([this]() { return application.frame()->messageText() != "Ready"; },
                            std::chrono::milliseconds(1000));
            aUser.look([&]() {
                seen.push_back(name + " prompt " + application.frame()->messageText());
                return true;
            });
        }
        aUser.moveTo(wxPoint(5, 5));
        aUser.waitUntil([this]() { return application.frame()->messageText() == "Ready"; },
                        std::chrono::milliseconds(1000));
        aUser.look([&]() {
            seen.push_back("away " + application.frame()->messageText());
            return true;
        });
        aUser.press(XK_F4, {XK_Alt_L});
    });
    EXPECT_EQ(0, application.run());
    user.finish();
    const auto tool = [](unsigned aCommand, const std::string& aTip, const std::string& aPrompt) {
        return std::vector<std::string>{std::to_string(aCommand) + ": own picture, tip " + aTip + ", named " + aTip,
                                        std::to_string(aCommand) + " prompt " + aPrompt};
    };
    std::vector<std::string> expected;
    for (const std::vector<std::string>& lines :
         {tool(Platform::CommandIds::fileOpen, "Select Script", "Select a Pellora script"),
          tool(R::startCommand, "Start", "Start downloading"), tool(R::stopCommand, "Stop", "Ready"),
          tool(Platform::CommandIds::appAbout, "About", "Display program information, version number and copyright")})
    {
        expected.insert(expected.end(), lines.begin(), lines.end());
    }
    expected.push_back("away Ready");
    EXPECT_EQ(expected, seen);
}

// Holding an arrow of the address up-down repeats its step, faster after two
// seconds: steps of 2, then of 4.
TEST_F(PelloraInputTest, HoldingAnArrowRepeatsAndSpeedsUp)
{
    ASSERT_TRUE(application.start({}));
    std::vector<int> positions;
    user.start([&](DesktopUser& aUser) {
        waitForTheWindow(aUser);
        const wxRect arrows = aUser.screenRectOf([this]() { return widget(R::addressSpin); });
        // The lower arrow moves towards the lower end of the range.
        aUser.moveTo(wxPoint(arrows.x + arrows.width / 2, arrows.y + arrows.height * 3 / 4));
        aUser.buttonDown();
        const auto start = Clock::now();
        while (Clock::now() - start < std::chrono::milliseconds(2800))
        {
            aUser.look([&]() {
                const int position = control(R::addressSpin).position();
                if (positions.empty() || positions.back() != position)
                {
                    positions.push_back(position);
                }
                return true;
            });
            DesktopUser::pause(std::chrono::milliseconds(20));
        }
        aUser.buttonUp();
        aUser.press(XK_F4, {XK_Alt_L});
    });
    EXPECT_EQ(0, application.run());
    user.finish();
    std::vector<int> steps;
    for (std::size_t index = 1; index < positions.size(); ++index)
    {
        steps.push_back(positions[index - 1] - positions[index]);
    }
    ASSERT_GE(steps.size(), 10u) << "the arrow did not repeat";
    // Steps of 2 up to the second second, then of 4.
    const auto firstFour = std::find(steps.begin(), steps.end(), 4);
    EXPECT_NE(firstFour, steps.end()) << "no faster step after two seconds";
    EXPECT_GE(firstFour - steps.begin(), 10);
    EXPECT_TRUE(std::all_of(steps.begin(), firstFour, [](int aStep) { return aStep == 2; }));
    EXPECT_TRUE(std::all_of(firstFour, steps.end(), [](int aStep) { return aStep == 4; }));
}

// The About box comes up with the focus: Escape, Enter and Space each close it.
// A script that cannot be opened at the start is told before any window of
// the program is there: the box stands in the middle of the screen, framed
// by the window manager, with the whole of its text inside it.
TEST_F(PelloraInputTest, AMessageBoxBeforeAnyWindowIsCentredWithItsWholeText)
{
    const std::string fifo = files.pathOf("script.prx");
    ASSERT_EQ(0, ::mkfifo(fifo.c_str(), 0600));
    const int centring = 8;
    wxRect box;
    wxRect screen;
    wxSize textShown;
    wxSize textNeeded;
    bool shown = false;
    user.start([&](DesktopUser& aUser) {
        shown = aUser.waitUntil([&]() {
            wxTopLevelWindow* widget = dynamic_cast<wxTopLevelWindow*>(backend().messageBoxWidget());
            if (widget == nullptr || !widget->IsShownOnScreen() || !widget->IsActive())
            {
                return false;
            }
            box = widget->GetScreenRect();
            screen = wxDisplay(0u).GetClientArea();
            for (wxWindow* child : widget->GetChildren())
            {
                if (wxStaticText* text = dynamic_cast<wxStaticText*>(child))
                {
                    wxClientDC measure(text);
                    measure.SetFont(text->GetFont());
                    textNeeded = measure.GetMultiLineTextExtent(text->GetLabel());
                    // What of the label lies inside the box's client area.
                    const wxRect inside = text->GetRect().Intersect(wxRect(widget->GetClientSize()));
                    textShown = inside.GetSize();
                }
            }
            const wxPoint middle(box.x + box.width / 2, box.y + box.height / 2);
            const wxPoint screenMiddle(screen.x + screen.width / 2, screen.y + screen.height / 2);
            // Framed, centred (give or take the frame's edges), and the text whole.
            return box.height > widget->GetClientSize().y && std::abs(middle.x - screenMiddle.x) <= centring &&
                   std::abs(middle.y - screenMiddle.y) <= centring && textShown.x >= textNeeded.x &&
                   textShown.y >= textNeeded.y;
        });
        aUser.press(XK_Return);
    });
    EXPECT_FALSE(application.start({fifo}));
    user.finish();
    EXPECT_TRUE(shown) << "box " << box.x << "," << box.y << " " << box.width << "x" << box.height << " on "
                       << screen.width << "x" << screen.height << "; text shown " << textShown.x << "x"
                       << textShown.y << " of " << textNeeded.x << "x" << textNeeded.y;
}

TEST_F(PelloraInputTest, TheAboutBoxClosesByEscapeEnterAndSpace)
{
    ASSERT_TRUE(application.start({}));
    std::vector<std::string> closedBy;
    user.start([&](DesktopUser& aUser) {
        waitForTheWindow(aUser);
        for (unsigned long key : {XK_Escape, XK_Return, XK_space})
        {
            aUser.clickOn([this]() { return toolButton(Platform::CommandIds::appAbout); });
            ASSERT_TRUE(waitForTheModalBox(aUser)) << "the About box did not come up with the focus";
            aUser.press(key);
            if (aUser.waitUntil([this]() { return backend().innermostModal() == nullptr; }))
            {
                closedBy.push_back(std::to_string(key));
            }
        }
        aUser.press(XK_F4, {XK_Alt_L});
    });
    EXPECT_EQ(0, application.run());
    user.finish();
    EXPECT_EQ((std::vector<std::string>{std::to_string(XK_Escape), std::to_string(XK_Return), std::to_string(XK_space)}),
              closedBy);
}

// A tool's tip goes when a modal box comes up (here About, as a message of
// the program's own would, with no click), and stays away while the box runs
// with the pointer still resting on the tool.
TEST_F(PelloraInputTest, ATipClosesWhenAModalBoxComesUp)
{
    ASSERT_TRUE(application.start({}));
    bool tipBefore = false;
    bool tipDuring = true;
    user.start([&](DesktopUser& aUser) {
        waitForTheWindow(aUser);
        const wxRect place = aUser.screenRectOf([this]() { return toolButton(Platform::CommandIds::appAbout); });
        const wxPoint middle(place.x + place.width / 2, place.y + place.height / 2);
        aUser.moveTo(middle);
        tipBefore = aUser.waitUntil([]() { return isToolTipShown(); }, std::chrono::milliseconds(4000));
        aUser.look([this]() {
            backend().later([this]() {
                application.frame()->window().command(static_cast<int>(Platform::CommandIds::appAbout));
            });
            return true;
        });
        // The box up with the focus, so that the keys below reach it.
        EXPECT_TRUE(waitForTheModalBox(aUser)) << "the About box did not come up with the focus";
        DesktopUser::pause(std::chrono::milliseconds(1500));
        aUser.look([&]() {
            tipDuring = isToolTipShown();
            return true;
        });
        aUser.press(XK_Escape);
        aUser.waitUntil([this]() { return backend().innermostModal() == nullptr; });
        waitForTheWindow(aUser);
        aUser.press(XK_F4, {XK_Alt_L});
    });
    EXPECT_EQ(0, application.run());
    user.finish();
    EXPECT_TRUE(tipBefore) << "no tip came up on the tool: nothing to prove";
    EXPECT_FALSE(tipDuring) << "the tool's tip shows over the About box";
}

// A long message wraps onto the Messages field's second line instead of
// being cut at its right edge.
TEST_F(PelloraInputTest, ALongMessageWrapsInTheMessagesField)
{
    const std::string message = "The unit takes the new firmware now: keep it switched on and wait for "
                                "its ready lamp before you start the next one";
    const std::string script = files.write("long.prx", "print(\"" + message + "\");\ndialog(\"Look\");\n");
    ASSERT_TRUE(application.start({script}));
    std::vector<int> inkPerRow;
    user.start([&](DesktopUser& aUser) {
        waitForTheWindow(aUser);
        aUser.clickOn([this]() { return toolButton(R::startCommand); });
        ASSERT_TRUE(aUser.waitUntil([this]() { return backend().isMessageBoxShown(); }));
        DesktopUser::pause(std::chrono::milliseconds(200));
        aUser.look([&]() {
            wxWindow* field = widget(R::messages);
            const wxRect place = field->GetScreenRect();
            const wxImage image = screenImage(place);
            for (int y = 0; y < image.GetHeight(); ++y)
            {
                int ink = 0;
                for (int x = 0; x < image.GetWidth(); ++x)
                {
                    ink += image.GetRed(x, y) + image.GetGreen(x, y) + image.GetBlue(x, y) < 3 * 96 ? 1 : 0;
                }
                inkPerRow.push_back(ink);
            }
            return true;
        });
        aUser.press(XK_Return);
        ASSERT_TRUE(aUser.waitUntil([this]() { return application.document()->running() == 0; }));
        aUser.press(XK_F4, {XK_Alt_L});
    });
    EXPECT_EQ(0, application.run());
    user.finish();
    // Text in the upper and in the lower half: two lines.
    const std::size_t half = inkPerRow.size() / 2;
    int upper = 0;
    int lower = 0;
    for (std::size_t row = 0; row < inkPerRow.size(); ++row)
    {
        (row < half ? upper : lower) += inkPerRow[row];
    }
    EXPECT_GT(upper, 0) << "no text shown";
    EXPECT_GT(lower, 0) << "the message was cut instead of wrapped";
}

// How the person ends a download that goes on.
struct Ending
{
    const char* name;
    bool closesTheProgram;
    std::function<void(DesktopUser&, PelloraInputTest&)> act;
};

void PrintTo(const Ending& anEnding, std::ostream* aStream)
{
    *aStream << anEnding.name;
}

// The line the download goes over.
struct Rate
{
    const char* name;
    std::uint32_t baudRate;
    // The rate's place among the program's choices, as its profile keeps it.
    int choice;
    // The unit takes the lines at the pace of a real line, so that the
    // program must not run ahead of it.
    bool paced;
};

void PrintTo(const Rate& aRate, std::ostream* aStream)
{
    *aStream << aRate.name;
}

const Rate fastestRate{"At38400", 38400, 3, false};
const Rate slowestRate{"At9600", 9600, 0, true};

class EndingADownload : public PelloraInputTest, public testing::WithParamInterface<std::tuple<Ending, Rate>>
{
public:
    using PelloraInputTest::frameWidget;
    using PelloraInputTest::toolButton;
    using PelloraInputTest::waitForTheLineToSettle;

protected:
    EndingADownload()
    {
        const Rate& rate = std::get<1>(GetParam());
        emulator.setBaudRate(rate.baudRate);
        emulator.setPacedReception(rate.paced);
        EXPECT_TRUE(Platform::ProfileStore("Pellora").writeInt("Settings", "BaudRate", rate.choice));
    }

    const Ending& ending() const { return std::get<0>(GetParam()); }
};

// Started by a click on the tool bar, a download against the unit ends at
// once when the person closes the window or presses Stop: no line goes out
// after it (but the one on its way), and the program ends within a second.
TEST_P(EndingADownload, NoLineGoesOutAfterIt)
{
    // Long enough to last seconds even when the line takes it at full speed.
    const std::string script = writeDownloadScript(40000);
    ASSERT_TRUE(application.start({script}));
    std::size_t atTheEnd = 0;
    Clock::time_point ended;
    user.start([&](DesktopUser& aUser) {
        waitForTheWindow(aUser);
        aUser.clickOn([this]() { return toolButton(R::startCommand); });
        ASSERT_TRUE(aUser.waitUntil([this]() { return linesSent() >= 20; }, std::chrono::seconds(10)))
            << "the download did not start";
        ending().act(aUser, *this);
        atTheEnd = linesSent();
        ended = Clock::now();
        if (!ending().closesTheProgram)
        {
            EXPECT_TRUE(aUser.waitUntil([this]() { return application.document()->running() == 0; },
                                        std::chrono::seconds(1)));
            aUser.clickTheCloseBox([this]() { return frameWidget(); });
        }
    });
    EXPECT_EQ(0, application.run());
    const auto programEnded = Clock::now();
    user.finish();
    if (ending().closesTheProgram)
    {
        EXPECT_LE(std::chrono::duration_cast<std::chrono::milliseconds>(programEnded - ended).count(), 1000)
            << "milliseconds from the close to the program's end";
    }
    DesktopUser::pause(std::chrono::milliseconds(300));
    const std::size_t sent = linesSent();
    EXPECT_LE(sent, atTheEnd + 1) << "lines went out after the person ended the download";
    EXPECT_LT(sent, lines.size());
}

INSTANTIATE_TEST_SUITE_P(
    Ways, EndingADownload,
    testing::Combine(testing::Values(Ending{"CloseBox", true,
                           [](DesktopUser& aUser, PelloraInputTest& aTest) {
                               aUser.clickTheCloseBox(
                                   [&aTest]() { return static_cast<EndingADownload&>(aTest).frameWidget(); });
                           }},
                    Ending{"Stop", false,
                           [](DesktopUser& aUser, PelloraInputTest& aTest) {
                               aUser.clickOn([&aTest]() {
                                   return static_cast<EndingADownload&>(aTest).toolButton(R::stopCommand);
                               });
                           }},
                    // The window manager may leave the key to the program.
                    Ending{"AltF4ThatReachesTheProgram", true, [](DesktopUser& aUser, PelloraInputTest& aTest) {
                               EndingADownload& test = static_cast<EndingADownload&>(aTest);
                               aUser.pressAltWithKeyAt([&test]() { return test.frameWidget(); }, WXK_F4);
                               // The program took the key before this returned: what the unit
                               // still reads was on the line already.
                               test.waitForTheLineToSettle();
                           }}),
                     testing::Values(fastestRate, slowestRate)),
    [](const testing::TestParamInfo<EndingADownload::ParamType>& anInfo) {
        return std::string(std::get<0>(anInfo.param).name) + std::get<1>(anInfo.param).name;
    });
}

namespace
{
// Closed while the run waits for the unit's status, the program ends at once,
// with no message about the status that never came.
TEST_F(PelloraInputTest, ClosingDuringTheStatusWaitEndsTheProgramAtOnce)
{
    emulator.setDownloadAnswer(unitAddress, {}); // the unit never says "ok"
    const std::string script = writeDownloadScript(5);
    ASSERT_TRUE(application.start({script}));
    Clock::time_point closed;
    bool messageShown = false;
    std::atomic<bool> ended(false);
    user.start([&](DesktopUser& aUser) {
        waitForTheWindow(aUser);
        aUser.clickOn([this]() { return toolButton(R::startCommand); });
        ASSERT_TRUE(aUser.waitUntil([this]() { return application.document()->running() != 0; }))
            << "the run did not start";
        DesktopUser::pause(std::chrono::milliseconds(500));
        aUser.press(XK_F4, {XK_Alt_L});
        closed = Clock::now();
        for (int wait = 0; wait < 150 && !ended; ++wait)
        {
            DesktopUser::pause(std::chrono::milliseconds(10));
        }
        // A message box would hold the program: answer it, and say so.
        if (!ended && aUser.waitUntil([this]() { return backend().isMessageBoxShown(); }))
        {
            messageShown = true;
            aUser.press(XK_Return);
        }
    });
    EXPECT_EQ(0, application.run());
    const auto endedAt = Clock::now();
    ended = true;
    user.finish();
    EXPECT_FALSE(messageShown);
    EXPECT_LE(std::chrono::duration_cast<std::chrono::milliseconds>(endedAt - closed).count(), 1000)
        << "milliseconds from the close to the program's end";
}
}

namespace
{
// Tab stops once in each radio group, at its checked button, and at the
// address, and comes round; Shift+Tab goes back. The address shows its
// selection only while it has the focus, and the Up key steps it there.
TEST_F(PelloraInputTest, TabStopsOncePerGroupAndTheAddressShowsItsSelectionOnlyWithTheFocus)
{
    ASSERT_TRUE(application.start({}));
    std::vector<std::string> forward;
    std::vector<std::string> backward;
    std::string stepped;
    user.start([&](DesktopUser& aUser) {
        waitForTheWindow(aUser);
        // The stop, as the toolkit's focus shows it, and the address's
        // selection on the screen (empty while not shown).
        const auto stop = [this]() {
            const Window* focus = toolkitFocus();
            std::string text = std::to_string(focus != nullptr ? focus->id() : 0);
            if (focus != Window::focus())
            {
                text += " (the model's focus is elsewhere)";
            }
            wxTextCtrl* address = dynamic_cast<wxTextCtrl*>(widget(R::addressEdit));
            long from = 0;
            long to = 0;
            if (address != nullptr)
            {
                address->GetSelection(&from, &to);
            }
            return text + " " + std::string(address->GetValue().Mid(from, to - from).utf8_str());
        };
        const auto press = [&](std::vector<std::string>& aTrail, std::initializer_list<unsigned long> someModifiers) {
            const Window* before = nullptr;
            aUser.look([&]() {
                before = Window::focus();
                return true;
            });
            aUser.press(XK_Tab, someModifiers);
            aUser.waitUntil([&]() { return Window::focus() != before && toolkitFocus() == Window::focus(); },
                            std::chrono::milliseconds(1000));
            aUser.look([&]() {
                aTrail.push_back(stop());
                return true;
            });
        };
        // Into the form, then round twice.
        std::vector<std::string> ignored;
        press(ignored, {});
        for (int key = 0; key < 6; ++key)
        {
            press(forward, {});
        }
        for (int key = 0; key < 6; ++key)
        {
            press(backward, {XK_Shift_L});
        }
        // To the address, and Up.
        for (int key = 0; key < 6 && aUser.look([&]() { return !control(R::addressEdit).hasFocus(); }); ++key)
        {
            press(ignored, {});
        }
        aUser.press(XK_Up);
        aUser.waitUntil([&]() { return control(R::addressEdit).text() != "8380"; }, std::chrono::milliseconds(1000));
        aUser.look([&]() {
            stepped = control(R::addressEdit).text() + (control(R::addressEdit).hasFocus() ? "" : " (focus gone)");
            return true;
        });
        aUser.press(XK_F4, {XK_Alt_L});
    });
    EXPECT_EQ(0, application.run());
    user.finish();
    // The stored choices: COM3 and 38400 baud.
    const std::string com3 = std::to_string(R::firstPort + 2) + " ";
    const std::string baud = std::to_string(R::firstBaudRate + 3) + " ";
    const std::string address = std::to_string(R::addressEdit) + " 8380";
    ASSERT_EQ(6u, forward.size());
    // Wherever the first Tab landed, the stops follow in this order, round.
    const std::vector<std::string> cycle{com3, baud, address};
    const std::size_t first = static_cast<std::size_t>(std::find(cycle.begin(), cycle.end(), forward[0]) - cycle.begin());
    ASSERT_LT(first, cycle.size()) << forward[0];
    std::vector<std::string> expected;
    for (std::size_t key = 0; key < forward.size(); ++key)
    {
        expected.push_back(cycle[(first + key) % cycle.size()]);
    }
    EXPECT_EQ(expected, forward);
    std::vector<std::string> reversed(forward.rbegin() + 1, forward.rend());
    reversed.push_back(forward.back());
    EXPECT_EQ(reversed, backward);
    EXPECT_EQ("8382", stepped);
}
}

namespace
{
// At 9600 baud, where a line takes longer on the wire than the window's
// rhythm, the progress bar is drawn at least every 250 ms of a download, the
// "Current File" caption shows the file, and the bar shows the file's end
// (100%) before it goes back to 0.
TEST_F(PelloraInputTest, AtTheLowestBaudRateTheProgressIsDrawnAllTheWay)
{
    emulator.setBaudRate(9600);
    // The lines wait on the wire as on a real port: about 5 s of them.
    emulator.setPacedReception(true);
    ASSERT_TRUE(Platform::ProfileStore("Pellora").writeInt("Settings", "BaudRate", 0));
    const std::string script = writeDownloadScript(110);
    const std::string fileName = "big.s19";
    ASSERT_TRUE(application.start({script}));
    std::unique_ptr<Platform::DrawWatch> bar;
    std::unique_ptr<Platform::DrawWatch> caption;
    bool ended = false;
    user.start([&](DesktopUser& aUser) {
        waitForTheWindow(aUser);
        aUser.look([&]() {
            wxGauge* gauge = dynamic_cast<wxGauge*>(widget(R::progressBar));
            wxStaticBox* box = dynamic_cast<wxStaticBox*>(widget(R::currentFile));
            if (gauge == nullptr || box == nullptr)
            {
                return false;
            }
            bar = std::make_unique<Platform::DrawWatch>(*gauge, [gauge]() { return gauge->GetValue(); });
            caption = std::make_unique<Platform::DrawWatch>(*box, [box, fileName]() {
                return std::string(box->GetLabel().utf8_str()).find(fileName) != std::string::npos ? 1 : 0;
            });
            return true;
        });
        aUser.clickOn([this]() { return toolButton(R::startCommand); });
        ASSERT_TRUE(aUser.waitUntil([this]() { return linesSent() >= 1; }, std::chrono::seconds(10)))
            << "the download did not start";
        ended = aUser.waitUntil([this]() { return application.document()->running() == 0; }, std::chrono::seconds(60));
        aUser.clickTheCloseBox([this]() { return frameWidget(); });
    });
    EXPECT_EQ(0, application.run());
    user.finish();
    ASSERT_TRUE(ended) << "the download did not end";
    ASSERT_NE(bar, nullptr) << "no progress bar";
    // Every line of the file went out (the closing reset is one more).
    EXPECT_GE(linesSent(), lines.size());
    const std::vector<Platform::DrawWatch::Drawing> drawings = bar->drawings();
    const auto moving = std::find_if(drawings.begin(), drawings.end(),
                                     [](const Platform::DrawWatch::Drawing& aDrawing) { return aDrawing.value > 0; });
    const auto full = std::find_if(drawings.begin(), drawings.end(),
                                   [](const Platform::DrawWatch::Drawing& aDrawing) { return aDrawing.value == 100; });
    ASSERT_NE(moving, drawings.end()) << "the bar was never drawn moving";
    ASSERT_NE(full, drawings.end()) << "the bar was never drawn at 100%";
    EXPECT_LE(std::chrono::duration_cast<std::chrono::milliseconds>(bar->longestGap(moving->at, full->at)).count(), 250)
        << "longest milliseconds without a drawing of the bar during the download";
    const std::vector<Platform::DrawWatch::Drawing> captions = caption->drawings();
    EXPECT_TRUE(std::any_of(captions.begin(), captions.end(),
                            [](const Platform::DrawWatch::Drawing& aDrawing) { return aDrawing.value == 1; }))
        << "the caption was never drawn with the file's name";
    bar.reset();
    caption.reset();
}
}

namespace
{
// How a run the person started ends.
struct RunEnd
{
    const char* name;
    // The script, given the test's script writer.
    std::function<std::string(PelloraInputTest&)> script;
    // Stop by its menu key while the download goes on.
    bool stopped;
};

void PrintTo(const RunEnd& anEnd, std::ostream* aStream)
{
    *aStream << anEnd.name;
}

// The control the person worked in.
struct FocusedControl
{
    const char* name;
    int id;
};

void PrintTo(const FocusedControl& aControl, std::ostream* aStream)
{
    *aStream << aControl.name;
}

class EndingARun : public PelloraInputTest, public testing::WithParamInterface<std::tuple<RunEnd, FocusedControl>>
{
public:
    using PelloraInputTest::writeDownloadScript;
};

// A run started with the keyboard from a control of the form gives the focus
// back to that control when it ends, however it ends: the person goes on
// where they were.
TEST_P(EndingARun, GivesTheFocusBackToTheControlThatHadIt)
{
    const RunEnd& end = std::get<0>(GetParam());
    const FocusedControl& wanted = std::get<1>(GetParam());
    ASSERT_TRUE(application.start({end.script(*this)}));
    std::string before;
    std::string after;
    bool boxShown = false;
    const auto where = [this]() {
        const Window* focus = Window::focus();
        const Window* shown = toolkitFocus();
        return std::to_string(focus != nullptr ? focus->id() : 0) + " shown at " +
               std::to_string(shown != nullptr ? shown->id() : 0);
    };
    const std::string expected = std::to_string(wanted.id) + " shown at " + std::to_string(wanted.id);
    user.start([&](DesktopUser& aUser) {
        waitForTheWindow(aUser);
        // Tab to the control.
        for (int key = 0; key < 8 && !aUser.look([&]() { return where() == expected; }); ++key)
        {
            aUser.press(XK_Tab);
            aUser.waitUntil([&]() { return where() == expected; }, std::chrono::milliseconds(300));
        }
        aUser.look([&]() {
            before = where();
            return true;
        });
        // Download > Start.
        aUser.press('d', {XK_Alt_L});
        DesktopUser::pause(std::chrono::milliseconds(300));
        aUser.press('a');
        if (end.stopped)
        {
            ASSERT_TRUE(aUser.waitUntil([this]() { return linesSent() >= 20; }, std::chrono::seconds(10)))
                << "the download did not start";
            aUser.press('d', {XK_Alt_L});
            DesktopUser::pause(std::chrono::milliseconds(300));
            aUser.press('o');
        }
        // The run's end is told in the form, not in a box.
        boxShown = aUser.waitUntil([this]() { return backend().isMessageBoxShown(); }, std::chrono::milliseconds(500));
        if (boxShown)
        {
            aUser.press(XK_Return);
        }
        ASSERT_TRUE(aUser.waitUntil(
            [this]() {
                wxTopLevelWindow* frame = dynamic_cast<wxTopLevelWindow*>(frameWidget());
                return application.document()->running() == 0 && !backend().isMessageBoxShown() && frame != nullptr &&
                       frame->IsActive();
            },
            std::chrono::seconds(30)))
            << "the run did not end";
        aUser.waitUntil([&]() { return where() == expected; }, std::chrono::milliseconds(1500));
        aUser.look([&]() {
            after = where();
            return true;
        });
        aUser.press(XK_F4, {XK_Alt_L});
    });
    EXPECT_EQ(0, application.run());
    user.finish();
    ASSERT_EQ(expected, before) << "Tab did not reach the control";
    EXPECT_FALSE(boxShown) << "a box came up at the run's end";
    EXPECT_EQ(expected, after);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, EndingARun,
    testing::Combine(
        testing::Values(RunEnd{"Normally", [](PelloraInputTest& aTest) {
                                   return static_cast<EndingARun&>(aTest).writeDownloadScript(5);
                               }, false},
                        RunEnd{"ByStop", [](PelloraInputTest& aTest) {
                                   return static_cast<EndingARun&>(aTest).writeDownloadScript(40000);
                               }, true}),
        testing::Values(FocusedControl{"Address", R::addressEdit}, FocusedControl{"BaudRate", R::firstBaudRate + 3})),
    [](const testing::TestParamInfo<EndingARun::ParamType>& anInfo) {
        return std::string(std::get<0>(anInfo.param).name) + "From" + std::get<1>(anInfo.param).name;
    });
}
