#include "Platform/SteadyWait.h"
#include "Platform/WaitInterrupted.h"
#include "Platform/Window/Bitmap.h"
#include "Platform/Window/DialogResult.h"
#include "Platform/Window/DialogTemplate.h"
#include "Platform/Window/FileDialogRequest.h"
#include "Platform/Window/MessageBoxRequest.h"
#include "Platform/Window/Resources.h"
#include "Platform/Window/Window.h"
#include "Platform/Wx/WxBackend.h"
#include "Platform/Wx/WxView.h"
#include "tests/Desktop/DrawWatch.h"
#include "tests/support/VirtualDisplay.h"

#include <gtest/gtest.h>

#include <gtk/gtk.h>

#include <wx/app.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/stattext.h>
#include <wx/choice.h>
#include <wx/dcclient.h>
#include <wx/image.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/tglbtn.h>
#include <wx/timer.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace
{
using Platform::DialogResult;
using Platform::DialogTemplate;
using Platform::Event;
using Platform::Notification;
using Platform::Rectangle;
using Platform::Window;
using Platform::WindowKind;
using Platform::WindowStyle;
using Platform::WxBackend;

enum
{
    nameEdit = 1001,
    modeCombo = 1002,
    enableCheck = 1003,
    applyButton = 1004,
    levelStatic = 1005,
    pictureStatic = 1006,
    pictureBitmap = 200
};

// One server and one toolkit for the whole program: the toolkit starts once
// per process.
class DisplayEnvironment : public ::testing::Environment
{
public:
    void SetUp() override
    {
        // Whatever hangs (a toolkit dialog waiting for someone) ends the
        // program in a minute instead of holding the run.
        std::signal(SIGALRM, [](int) {
            const char message[] = "platform_wx_tests: still running after 60 s, stopped\n";
            const ssize_t written = write(STDERR_FILENO, message, sizeof message - 1);
            static_cast<void>(written);
            _exit(2);
        });
        alarm(60);
        std::string reason;
        if (!myDisplay.start(reason))
        {
            theProblem = reason;
            return;
        }
        myResources.addBitmap(pictureBitmap, Platform::Bitmap(16, 16, Platform::Colour(0, 160, 0)));
        try
        {
            theBackend = new WxBackend(&myResources);
        }
        catch (const std::exception& anError)
        {
            theProblem = anError.what();
        }
    }
    void TearDown() override
    {
        delete theBackend;
        theBackend = nullptr;
        myDisplay.stop();
    }

    static std::string theProblem;
    static WxBackend* theBackend;

private:
    Platform::VirtualDisplay myDisplay;
    Platform::Resources myResources;
};

std::string DisplayEnvironment::theProblem;
WxBackend* DisplayEnvironment::theBackend = nullptr;
::testing::Environment* const theEnvironment = ::testing::AddGlobalTestEnvironment(new DisplayEnvironment());

DialogTemplate settingsTemplate()
{
    WindowStyle popup;
    popup.child = false;
    WindowStyle ok;
    ok.defaultButton = true;
    WindowStyle picture;
    picture.image = true;
    DialogTemplate settings(300, "Settings", 200, 110, popup);
    settings.add(WindowKind::Static, -1, "&Name:", 7, 9, 40, 8)
        .add(WindowKind::Edit, nameEdit, "", 50, 7, 90, 12)
        .add(WindowKind::ComboBox, modeCombo, "", 50, 25, 90, 60)
        .add(WindowKind::CheckBox, enableCheck, "&Enabled", 50, 43, 90, 10)
        .add(WindowKind::Static, levelStatic, "", 7, 60, 133, 10)
        .addImage(WindowKind::Static, pictureStatic, pictureBitmap, 150, 60, 10, 10, picture)
        .add(WindowKind::Button, applyButton, "&Apply", 145, 25, 50, 14)
        .add(WindowKind::Button, DialogResult::ok, "OK", 35, 88, 50, 14, ok)
        .add(WindowKind::Button, DialogResult::cancel, "Cancel", 115, 88, 50, 14);
    return settings;
}

// Sends the widget the event the desktop sends when the user acts on it.
void sendCommand(wxWindow* aWidget, wxEventType aType, int aSelection = 0)
{
    ASSERT_NE(aWidget, nullptr);
    wxCommandEvent event(aType, aWidget->GetId());
    event.SetEventObject(aWidget);
    event.SetInt(aSelection);
    aWidget->GetEventHandler()->ProcessEvent(event);
}

// The field edits itself as on a key press (the desktop's own editing) and
// tells its change.
void sendKey(wxWindow* aWidget, int aCode, wxChar aCharacter)
{
    wxTextCtrl* field = dynamic_cast<wxTextCtrl*>(aWidget);
    ASSERT_NE(field, nullptr);
    if (aCode == WXK_BACK)
    {
        const long caret = field->GetInsertionPoint();
        if (caret > 0)
        {
            field->Remove(caret - 1, caret);
        }
        return;
    }
    field->WriteText(wxString(aCharacter));
}

// Ends whatever runs if the test's own input never does (a fault, not a wait).
class Watchdog : public wxTimer
{
public:
    explicit Watchdog(const std::function<void()>& anAction) : myAction(anAction) { StartOnce(5000); }
    void Notify() override
    {
        fired = true;
        myAction();
    }
    bool fired = false;

private:
    std::function<void()> myAction;
};

class WxBackendTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(DisplayEnvironment::theProblem.empty()) << DisplayEnvironment::theProblem;
        ASSERT_NE(DisplayEnvironment::theBackend, nullptr);
        backend = DisplayEnvironment::theBackend;
        dialog = settingsTemplate().create();
        dialog->findChild(modeCombo)->addString("Stereo");
        dialog->findChild(modeCombo)->addString("Dual Mono");
        dialog->findChild(modeCombo)->setSelection(0);
    }

    Window& control(int anId) { return *dialog->findChild(anId); }
    wxWindow* widget(int anId) { return backend->view().widgetOf(control(anId)); }

    // Runs the dialog modally while the test acts on it from the loop.
    int runWith(const std::function<void()>& anActions)
    {
        backend->later(anActions);
        Watchdog watchdog([this]() { dialog->endDialog(-99); });
        const int result = backend->runModal(*dialog);
        EXPECT_FALSE(watchdog.fired) << "the dialog did not end by the test's input";
        return result;
    }

    WxBackend* backend = nullptr;
    std::unique_ptr<Window> dialog;
};

TEST_F(WxBackendTest, AClickAPickAndTypedTextReachTheHandlersAndTheModel)
{
    std::vector<std::string> heard;
    control(applyButton).on(Notification::Clicked, [&heard](Event&) { heard.push_back("apply"); });
    control(modeCombo).on(Notification::SelectionChanged, [&heard, this](Event&) {
        heard.push_back("mode " + std::to_string(control(modeCombo).selection()));
    });
    control(nameEdit).on(Notification::EditChanged, [&heard, this](Event&) {
        heard.push_back("name " + control(nameEdit).text());
    });

    const int result = runWith([this]() {
        sendCommand(widget(applyButton), wxEVT_BUTTON);
        sendCommand(widget(modeCombo), wxEVT_CHOICE, 1);
        sendKey(widget(nameEdit), 'K', 'K');
        sendKey(widget(nameEdit), 'Q', 'Q');
        sendKey(widget(nameEdit), WXK_BACK, WXK_NONE);
        sendKey(widget(nameEdit), '3', '3');
        sendCommand(widget(enableCheck), wxEVT_CHECKBOX);
        sendCommand(widget(DialogResult::ok), wxEVT_BUTTON);
    });

    EXPECT_EQ(result, DialogResult::ok);
    EXPECT_EQ(heard, (std::vector<std::string>{"apply", "mode 1", "name K", "name KQ", "name K", "name K3"}));
    EXPECT_EQ(control(modeCombo).selection(), 1);
    EXPECT_EQ(control(nameEdit).text(), "K3");
    EXPECT_TRUE(control(enableCheck).isChecked());
    EXPECT_FALSE(dialog->isModal());
    EXPECT_FALSE(dialog->isShown());
}

TEST_F(WxBackendTest, TheWidgetsFollowTheModelAndShowWhatItKeeps)
{
    std::string seen;
    const int result = runWith([this, &seen]() {
        control(nameEdit).setText("Encoder A");
        control(modeCombo).addString("Mono");
        control(modeCombo).setSelection(2);
        control(enableCheck).setChecked(true);
        control(applyButton).enable(false);
        control(levelStatic).show(false);
        backend->synchronise();
        wxTextCtrl* name = static_cast<wxTextCtrl*>(widget(nameEdit));
        wxChoice* mode = static_cast<wxChoice*>(widget(modeCombo));
        seen = std::string(name->GetValue().utf8_str()) + "|" + std::to_string(mode->GetCount()) + "|" +
               std::string(mode->GetStringSelection().utf8_str()) + "|" +
               (static_cast<wxCheckBox*>(widget(enableCheck))->GetValue() ? "checked" : "clear") + "|" +
               (widget(applyButton)->IsEnabled() ? "enabled" : "disabled") + "|" +
               (widget(levelStatic)->IsShown() ? "shown" : "hidden");

        // The user's change that the model refuses does not stay on the widget.
        control(enableCheck).enable(false);
        static_cast<wxCheckBox*>(widget(enableCheck))->SetValue(false);
        sendCommand(widget(enableCheck), wxEVT_CHECKBOX);
        seen += std::string("|") + (static_cast<wxCheckBox*>(widget(enableCheck))->GetValue() ? "checked" : "clear");
        dialog->endDialog(DialogResult::cancel);
    });

    EXPECT_EQ(result, DialogResult::cancel);
    EXPECT_EQ(seen, "Encoder A|3|Mono|checked|disabled|hidden|checked");
    EXPECT_TRUE(control(enableCheck).isChecked());
}

TEST_F(WxBackendTest, InputToAControlThatCannotBeReachedIsDropped)
{
    int clicks = 0;
    control(applyButton).on(Notification::Clicked, [&clicks](Event&) { ++clicks; });
    control(applyButton).enable(false);
    const int result = runWith([this]() {
        sendCommand(widget(applyButton), wxEVT_BUTTON);
        sendKey(widget(nameEdit), 'x', 'x');
        control(nameEdit).setReadOnly(true);
        sendKey(widget(nameEdit), 'y', 'y');
        sendCommand(widget(DialogResult::cancel), wxEVT_BUTTON);
    });
    EXPECT_EQ(result, DialogResult::cancel);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(control(nameEdit).text(), "x");
}

struct MessageBoxCase
{
    Platform::MessageBoxButtons buttons;
    int press;
    bool pressed;
    int answer;
};

class WxMessageBoxTest : public WxBackendTest, public ::testing::WithParamInterface<MessageBoxCase>
{
};

TEST_P(WxMessageBoxTest, TheButtonPressedIsTheAnswer)
{
    const MessageBoxCase& given = GetParam();
    Platform::MessageBoxRequest request;
    request.text = "Download the files to the unit?";
    request.caption = "Pellora";
    request.buttons = given.buttons;
    request.icon = Platform::MessageBoxIcon::Question;
    bool pressed = false;
    backend->later([this, &given, &pressed]() {
        pressed = backend->pressMessageBoxButton(given.press);
        if (!pressed)
        {
            // A box without that button is left by the one it has first.
            backend->pressMessageBoxButton(DialogResult::ok);
        }
    });
    EXPECT_EQ(backend->showMessageBox(request), given.answer);
    EXPECT_EQ(pressed, given.pressed);
    EXPECT_FALSE(backend->isMessageBoxShown());
}

INSTANTIATE_TEST_SUITE_P(Buttons, WxMessageBoxTest,
                         ::testing::Values(MessageBoxCase{Platform::MessageBoxButtons::YesNo, DialogResult::yes, true,
                                                          DialogResult::yes},
                                           MessageBoxCase{Platform::MessageBoxButtons::YesNoCancel,
                                                          DialogResult::cancel, true, DialogResult::cancel},
                                           MessageBoxCase{Platform::MessageBoxButtons::AbortRetryIgnore,
                                                          DialogResult::ignore, true, DialogResult::ignore},
                                           MessageBoxCase{Platform::MessageBoxButtons::Ok, DialogResult::no, false,
                                                          DialogResult::ok}));

// A laptop's screen: a message box must show whole on it.
const wxSize laptopScreen(1366, 768);

struct ReadableBoxCase
{
    std::string name;
    std::string text;
    std::string caption;
    Platform::MessageBoxButtons buttons;
};

class WxReadableBoxTest : public WxBackendTest, public ::testing::WithParamInterface<ReadableBoxCase>
{
};

TEST_P(WxReadableBoxTest, TheBoxWrapsItsTextFitsALaptopScreenShowsItsTitleAndSitsOverItsOwner)
{
    const ReadableBoxCase& given = GetParam();
    // The owner, away from the screen's middle.
    dialog->move(Rectangle(200, 150, 200 + dialog->rectangle().width(), 150 + dialog->rectangle().height()));
    backend->openWindow(*dialog);
    backend->settle(300);
    wxWindow* owner = backend->view().widgetOf(*dialog);
    ASSERT_NE(owner, nullptr);
    Platform::MessageBoxRequest request;
    request.text = given.text;
    request.caption = given.caption;
    request.buttons = given.buttons;
    request.icon = Platform::MessageBoxIcon::Question;
    const std::vector<int> answers = request.answers();
    backend->later([&]() {
        backend->settle(300);
        wxWindow* box = backend->messageBoxWidget();
        ASSERT_NE(box, nullptr);
        const wxRect outer = box->GetScreenRect();
        EXPECT_LE(outer.width, laptopScreen.x) << given.name;
        EXPECT_LE(outer.height + 40, laptopScreen.y) << given.name << ": no room left for the title bar";
        // Lines of a readable length: no wider than about 80 letters.
        EXPECT_LE(outer.width, 80 * box->GetCharWidth() + 100) << given.name;
        const wxRect client(box->ClientToScreen(wxPoint(0, 0)), box->GetClientSize());
        for (int answer : answers)
        {
            wxWindow* button = box->FindWindow(wxID_HIGHEST + 100 + answer);
            ASSERT_NE(button, nullptr) << given.name;
            EXPECT_TRUE(button->IsShownOnScreen()) << given.name;
            EXPECT_TRUE(client.Contains(button->GetScreenRect())) << given.name << ": a button is cut off";
        }
        for (wxWindow* child : box->GetChildren())
        {
            if (wxStaticText* label = dynamic_cast<wxStaticText*>(child))
            {
                EXPECT_TRUE(client.Contains(label->GetScreenRect())) << given.name << ": the text is cut off";
                wxClientDC lines(label);
                lines.SetFont(label->GetFont());
                const wxSize need = lines.GetMultiLineTextExtent(label->GetLabel());
                EXPECT_GE(label->GetSize().y, need.y) << given.name;
                EXPECT_GE(label->GetSize().x, need.x) << given.name;
            }
        }
        // The title shows whole: the box is wider than its title's text.
        wxClientDC measure(box);
        measure.SetFont(box->GetFont().Bold());
        EXPECT_GT(client.width, measure.GetTextExtent(wxString::FromUTF8(given.caption.c_str())).x) << given.name;
        // Centred on its owner, not on the screen.
        const wxPoint ownerMiddle = owner->GetScreenRect().GetPosition() + owner->GetScreenRect().GetSize() / 2;
        const wxPoint boxMiddle = outer.GetPosition() + outer.GetSize() / 2;
        EXPECT_NEAR(boxMiddle.x, ownerMiddle.x, 30) << given.name;
        EXPECT_NEAR(boxMiddle.y, ownerMiddle.y, 30) << given.name;
        EXPECT_TRUE(backend->saveScreenshot(std::string(VORNA_WX_SCREENSHOT_DIR) + "/message-box-" + given.name +
                                            ".png"));
        backend->pressMessageBoxButton(answers.front());
    });
    EXPECT_EQ(backend->showMessageBox(request), answers.front());
    backend->closeWindow(*dialog);
}

std::string longestQuestion()
{
    std::string text = "Do you want to download the new firmware to the unit at address 8282 now? ";
    while (text.size() < 255)
    {
        text += "The unit restarts when the download ends and stays off the air until then. ";
    }
    return text.substr(0, 255);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, WxReadableBoxTest,
    ::testing::Values(
        ReadableBoxCase{"question", longestQuestion(), "Pellora", Platform::MessageBoxButtons::YesNo},
        ReadableBoxCase{"help", "There was an error displaying the help file, 'Tessiva.chm.'  The help file and/or a "
                                "suitable HTML Help file viewer may not be properly installed on your system",
                        "Tessiva", Platform::MessageBoxButtons::Ok},
        ReadableBoxCase{"short", "Done.", "Pellora", Platform::MessageBoxButtons::Ok}),
    [](const ::testing::TestParamInfo<ReadableBoxCase>& anInfo) { return anInfo.param.name; });

// The file dialog showing: the desktop's own, found among its windows.
GtkWidget* shownFileChooser()
{
    GtkWidget* found = nullptr;
    GList* windows = gtk_window_list_toplevels();
    for (GList* item = windows; item != nullptr; item = item->next)
    {
        if (GTK_IS_FILE_CHOOSER(item->data) && GTK_IS_DIALOG(item->data))
        {
            found = GTK_WIDGET(item->data);
        }
    }
    g_list_free(windows);
    return found;
}

TEST_F(WxBackendTest, TheFileDialogsCarryTheUsualTitlesAndListFilesInAnyLetterCase)
{
    const std::vector<std::string> names = {"UPPER.PRX", "lower.prx", "Mixed.Prx", "other.txt", "prx"};
    for (const Platform::FileDialogKind kind : {Platform::FileDialogKind::Open, Platform::FileDialogKind::Save})
    {
        Platform::FileDialogRequest request;
        request.kind = kind;
        request.filter = "Pellora Files (*.prx)|*.prx|All Files (*.*)|*.*||";
        std::string title;
        std::vector<std::string> listed;
        backend->later([&]() {
            GtkWidget* chooser = shownFileChooser();
            ASSERT_NE(chooser, nullptr);
            title = gtk_window_get_title(GTK_WINDOW(chooser));
            GtkFileFilter* filter = gtk_file_chooser_get_filter(GTK_FILE_CHOOSER(chooser));
            ASSERT_NE(filter, nullptr);
            for (const std::string& name : names)
            {
                GtkFileFilterInfo file = {};
                file.contains = GTK_FILE_FILTER_DISPLAY_NAME;
                file.display_name = name.c_str();
                if (gtk_file_filter_filter(filter, &file))
                {
                    listed.push_back(name);
                }
            }
            gtk_dialog_response(GTK_DIALOG(chooser), GTK_RESPONSE_CANCEL);
        });
        std::string path;
        EXPECT_FALSE(backend->askFileName(request, path));
        EXPECT_EQ(request.title(), title);
        EXPECT_EQ((std::vector<std::string>{"UPPER.PRX", "lower.prx", "Mixed.Prx"}), listed) << request.title();
    }
}

TEST_F(WxBackendTest, TimersTickAndPostedMessagesComeInOrderUntilTheQuitRequest)
{
    Window frame(WindowKind::Frame, 0, "Timers", WindowStyle(), Rectangle(10, 10, 210, 110));
    std::vector<std::string> heard;
    int ticks = 0;
    frame.on(Notification::TimerTick, 7, [&](Event&) {
        if (++ticks == 3)
        {
            EXPECT_TRUE(backend->killTimer(frame, 7));
            backend->post(frame, 41);
            backend->post(frame, 42);
            backend->postQuit(5);
        }
    });
    frame.on(Notification::Message, [&heard](Event& anEvent) { heard.push_back(std::to_string(anEvent.code)); });
    backend->setTimer(frame, 7, 10);
    Watchdog watchdog([this]() { backend->postQuit(-1); });

    EXPECT_EQ(backend->runMessageLoop(), 5);
    EXPECT_FALSE(watchdog.fired);
    EXPECT_EQ(ticks, 3);
    EXPECT_EQ(heard, (std::vector<std::string>{"41", "42"}));
    EXPECT_FALSE(backend->killTimer(frame, 7));

    // The pump hands out what waits, then the quit request once.
    backend->post(frame, 43);
    backend->postQuit(6);
    EXPECT_TRUE(backend->hasPendingMessage());
    EXPECT_TRUE(backend->pumpMessage());
    EXPECT_EQ(heard.back(), "43");
    EXPECT_FALSE(backend->pumpMessage());
}

TEST_F(WxBackendTest, WhatAnotherThreadPostsDuringALongTickIsHandledRightAfterIt)
{
    // The tick's wait draws the window as it goes, as an exchange with a slow
    // unit does; the event posted meanwhile must not wait for the next input.
    Window frame(WindowKind::Frame, 0, "Posted", WindowStyle(), Rectangle(10, 10, 210, 110));
    int ticks = 0;
    bool handled = false;
    frame.on(Notification::TimerTick, 8, [&](Event&) {
        if (++ticks != 1)
        {
            return;
        }
        std::thread([this, &handled]() {
            wxTheApp->CallAfter([this, &handled]() {
                handled = true;
                backend->postQuit(3);
            });
        }).join();
        Platform::SteadyWait::wait(100, []() {});
    });
    backend->setTimer(frame, 8, 10);
    Watchdog watchdog([this]() { backend->postQuit(-1); });

    EXPECT_EQ(backend->runMessageLoop(), 3);
    EXPECT_FALSE(watchdog.fired);
    EXPECT_TRUE(handled);
    EXPECT_TRUE(backend->killTimer(frame, 8));
}

TEST_F(WxBackendTest, AMessageForAWindowDestroyedMeanwhileIsNeverDelivered)
{
    auto frame = std::make_unique<Window>(WindowKind::Frame, 0, "Gone");
    int heard = 0;
    frame->on(Notification::Message, [&heard](Event&) { ++heard; });
    backend->post(*frame, 1);
    frame.reset();
    backend->postQuit(0);
    EXPECT_EQ(backend->runMessageLoop(), 0);
    EXPECT_EQ(heard, 0);
}

TEST_F(WxBackendTest, AWindowOpenBesideTheLoopIsDrawnAndAScreenshotTaken)
{
    WindowStyle style;
    style.child = false;
    Window frame(WindowKind::Frame, 0, "Vorna - Smoke", style, Rectangle(40, 40, 480, 300));
    Window& panel = settingsTemplate().createIn(frame);
    panel.findChild(nameEdit)->setText("Encoder A");
    panel.findChild(modeCombo)->addString("Stereo");
    panel.findChild(modeCombo)->setSelection(0);
    panel.findChild(enableCheck)->setChecked(true);
    panel.createChild(WindowKind::UpDown, 1041, "", WindowStyle(), Rectangle(250, 10, 266, 32));
    Window& level = *panel.findChild(levelStatic);
    level.fillRectangle(Rectangle(0, 0, level.rectangle().width() * 2 / 3, level.rectangle().height()),
                        Platform::Colour(0, 120, 220));
    Window& tabs = frame.createChild(WindowKind::TabControl, 1048, "", WindowStyle(), Rectangle(0, 200, 440, 230));
    tabs.insertTab(0, "Kq310");
    tabs.insertTab(1, "Kq350");
    Window& bar = frame.createChild(WindowKind::ProgressBar, 1000, "", WindowStyle(), Rectangle(10, 236, 430, 252));
    bar.setPosition(60);

    backend->openWindow(frame);
    backend->settle(1000);
    wxWindow* shown = backend->view().widgetOf(frame);
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(shown->IsShown());
    EXPECT_EQ(shown->GetClientSize(), wxSize(440, 260));
    EXPECT_EQ(backend->view().widgetOf(*panel.findChild(nameEdit))->GetPosition(),
              wxPoint(DialogTemplate::toPixels(50, 7, 90, 12).left, DialogTemplate::toPixels(50, 7, 90, 12).top));

    const std::string path = std::string(VORNA_WX_SCREENSHOT_DIR) + "/platform_wx_smoke.png";
    std::remove(path.c_str());
    ASSERT_TRUE(backend->saveScreenshot(path));
    std::ifstream picture(path, std::ios::binary);
    char signature[8] = {};
    picture.read(signature, sizeof signature);
    EXPECT_EQ(std::string(signature + 1, 3), "PNG");

    // A tab picked by the user goes through the model's tab input.
    int changes = 0;
    tabs.on(Notification::TabSelectionChanged, [&changes](Event&) { ++changes; });
    wxWindow* strip = backend->view().widgetOf(tabs);
    ASSERT_NE(strip, nullptr);
    ASSERT_EQ(strip->GetChildren().size(), 2u);
    sendCommand(strip->GetChildren()[1], wxEVT_TOGGLEBUTTON);
    EXPECT_EQ(tabs.selection(), 1);
    EXPECT_EQ(changes, 1);

    backend->closeWindow(frame);
    EXPECT_EQ(backend->view().widgetOf(frame), nullptr);
}
}

namespace
{
// A picture becomes the toolkit's picture pixel for pixel: an opaque one
// without an alpha channel, as always; one with transparent parts with
// exactly those parts see-through.
TEST_F(WxBackendTest, APicturesTransparentPartsAreSeeThroughAndAnOpaqueOneStaysOpaque)
{
    Platform::Bitmap picture(3, 2, Platform::Colour(1, 2, 3));
    picture.setPixel(2, 1, Platform::Colour(200, 100, 50));
    const wxImage opaque = Platform::WxView::toWxBitmap(picture).ConvertToImage();
    EXPECT_FALSE(opaque.HasAlpha());
    EXPECT_FALSE(opaque.HasMask());
    EXPECT_EQ(wxColour(1, 2, 3), wxColour(opaque.GetRed(0, 0), opaque.GetGreen(0, 0), opaque.GetBlue(0, 0)));
    EXPECT_EQ(wxColour(200, 100, 50), wxColour(opaque.GetRed(2, 1), opaque.GetGreen(2, 1), opaque.GetBlue(2, 1)));

    picture.makeTransparent(Rectangle(0, 0, 2, 1));
    const wxImage seeThrough = Platform::WxView::toWxBitmap(picture).ConvertToImage();
    ASSERT_TRUE(seeThrough.HasAlpha());
    for (int y = 0; y < picture.height(); ++y)
    {
        for (int x = 0; x < picture.width(); ++x)
        {
            SCOPED_TRACE(std::to_string(x) + "," + std::to_string(y));
            const bool transparent = y == 0 && x < 2;
            EXPECT_EQ(transparent ? wxIMAGE_ALPHA_TRANSPARENT : wxIMAGE_ALPHA_OPAQUE, seeThrough.GetAlpha(x, y));
            if (!transparent)
            {
                const Platform::Colour colour = picture.pixel(x, y);
                EXPECT_EQ(wxColour(colour.red, colour.green, colour.blue),
                          wxColour(seeThrough.GetRed(x, y), seeThrough.GetGreen(x, y), seeThrough.GetBlue(x, y)));
            }
        }
    }
}
}

namespace
{
TEST_F(WxBackendTest, AnUpDownsArrowsAndAListsPickGoThroughTheModel)
{
    Window& spin = dialog->createChild(WindowKind::UpDown, 1041, "", WindowStyle(), Rectangle(300, 10, 316, 30));
    spin.setRange(0, 10);
    spin.setPosition(4);
    WindowStyle notifying;
    notifying.notify = true;
    Window& list = dialog->createChild(WindowKind::ListBox, 1042, "", notifying, Rectangle(300, 40, 380, 100));
    list.addString("COM1");
    list.addString("COM2");
    std::vector<std::string> heard;
    spin.on(Notification::SpinDelta, [&heard](Event& anEvent) {
        heard.push_back("delta " + std::to_string(anEvent.delta) + " from " + std::to_string(anEvent.position));
    });
    list.on(Notification::SelectionChanged, [&heard, &list](Event&) {
        heard.push_back("port " + list.itemText(list.selection()));
    });
    const int result = runWith([this, &spin, &list]() {
        wxWindow* arrows = backend->view().widgetOf(spin);
        ASSERT_NE(arrows, nullptr);
        EXPECT_EQ(arrows->GetSize(), wxSize(16, 20));
        wxMouseEvent press(wxEVT_LEFT_DOWN);
        press.m_x = 8;
        press.m_y = 3;
        press.SetEventObject(arrows);
        arrows->GetEventHandler()->ProcessEvent(press);
        sendCommand(backend->view().widgetOf(list), wxEVT_LISTBOX, 1);
        dialog->endDialog(DialogResult::ok);
    });
    EXPECT_EQ(result, DialogResult::ok);
    EXPECT_EQ(heard, (std::vector<std::string>{"delta 1 from 4", "port COM2"}));
    EXPECT_EQ(spin.position(), 5);
    EXPECT_EQ(list.selection(), 1);
}

struct KeyCase
{
    const char* name;
    int key; // 0: the close box
    int result;
};

class WxDialogKeyTest : public WxBackendTest, public ::testing::WithParamInterface<KeyCase>
{
};

TEST_P(WxDialogKeyTest, EnterEscapeAndTheCloseBoxEndTheDialogAsTheModelSays)
{
    const int key = GetParam().key;
    const int result = runWith([this, key]() {
        wxWindow* top = backend->view().widgetOf(*dialog);
        ASSERT_NE(top, nullptr);
        if (key == 0)
        {
            top->Close();
            return;
        }
        wxKeyEvent press(wxEVT_CHAR_HOOK);
        press.m_keyCode = key;
        press.SetEventObject(top);
        top->GetEventHandler()->ProcessEvent(press);
    });
    EXPECT_EQ(result, GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(Keys, WxDialogKeyTest,
                         ::testing::Values(KeyCase{"Enter", WXK_RETURN, DialogResult::ok},
                                           KeyCase{"Escape", WXK_ESCAPE, DialogResult::cancel},
                                           KeyCase{"CloseBox", 0, DialogResult::cancel}),
                         [](const ::testing::TestParamInfo<KeyCase>& anInfo) { return std::string(anInfo.param.name); });

TEST_F(WxBackendTest, AnErrorOutOfAHandlerLeavesTheModalLoopAndReachesItsCaller)
{
    control(applyButton).on(Notification::Clicked, [](Event&) { throw std::runtime_error("The device is not responding."); });
    try
    {
        runWith([this]() { sendCommand(widget(applyButton), wxEVT_BUTTON); });
        FAIL() << "no error came out";
    }
    catch (const std::runtime_error& anError)
    {
        EXPECT_STREQ(anError.what(), "The device is not responding.");
    }
    EXPECT_FALSE(dialog->isModal());
    // The backend runs on after it.
    backend->postQuit(3);
    EXPECT_EQ(backend->runMessageLoop(), 3);
}
}

namespace
{
// A frame with one label, open beside the loop and drawn.
class LivenessTest : public WxBackendTest
{
protected:
    void SetUp() override
    {
        WxBackendTest::SetUp();
        WindowStyle style;
        style.child = false;
        frame = std::make_unique<Window>(WindowKind::Frame, 0, "Liveness", style, Rectangle(40, 40, 340, 140));
        label = &frame->createChild(WindowKind::Static, levelStatic, "", WindowStyle(), Rectangle(10, 10, 300, 30));
        backend->openWindow(*frame);
        backend->settle(500);
    }
    void TearDown() override { backend->closeWindow(*frame); }

    std::string labelShown()
    {
        wxStaticText* text = dynamic_cast<wxStaticText*>(backend->view().widgetOf(*label));
        return text != nullptr ? std::string(text->GetLabel().utf8_str()) : "?";
    }

    std::unique_ptr<Window> frame;
    Window* label = nullptr;
};

// A tick that takes longer than its period (an exchange at a low baud rate)
// lets the posted messages and the drawing through before the next tick.
TEST_F(LivenessTest, ASlowTickLetsPostedMessagesAndDrawingThroughBeforeTheNext)
{
    const Platform::DrawWatch drawn(*backend->view().widgetOf(*label));
    std::vector<std::string> heard;
    int ticks = 0;
    frame->on(Notification::TimerTick, 7, [&](Event&) {
        heard.push_back("tick");
        label->setText("tick " + std::to_string(++ticks));
        if (ticks == 1)
        {
            backend->post(*frame, 41);
            backend->post(*frame, 42);
        }
        if (ticks == 12)
        {
            backend->killTimer(*frame, 7);
            backend->postQuit(0);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(40));
    });
    frame->on(Notification::Message, [&heard](Event& anEvent) { heard.push_back(std::to_string(anEvent.code)); });
    backend->setTimer(*frame, 7, 5);
    Watchdog watchdog([this]() { backend->postQuit(-1); });
    EXPECT_EQ(backend->runMessageLoop(), 0);
    EXPECT_FALSE(watchdog.fired);
    ASSERT_GE(heard.size(), 4u);
    EXPECT_EQ((std::vector<std::string>(heard.begin(), heard.begin() + 4)),
              (std::vector<std::string>{"tick", "41", "42", "tick"}));
    // One drawing per tick or so; a loop that ticks back to back draws none.
    EXPECT_GE(drawn.drawings().size(), 6u) << "drawings of the label in 12 slow ticks";
    EXPECT_EQ(labelShown(), "tick 12");
}

// How a modal window comes up over the frame, and how it ends by itself.
struct ModalCase
{
    const char* name;
    std::function<void(WxBackend&, Window&)> run;
};

void PrintTo(const ModalCase& aCase, std::ostream* aStream)
{
    *aStream << aCase.name;
}

class ModalHold : public LivenessTest, public testing::WithParamInterface<ModalCase>
{
};

// While a modal dialog or message box holds the frame, the frame's timer
// does not tick (one failure, one error dialog); its tick comes afterwards.
TEST_P(ModalHold, NoTickComesWhileAModalHoldsTheWindow)
{
    int ticks = 0;
    int ticksDuring = -1;
    frame->on(Notification::TimerTick, 7, [&](Event&) {
        if (++ticks == 3)
        {
            backend->killTimer(*frame, 7);
            backend->postQuit(0);
        }
    });
    backend->setTimer(*frame, 7, 5);
    backend->later([&]() {
        const int before = ticks;
        GetParam().run(*backend, *dialog);
        ticksDuring = ticks - before;
    });
    Watchdog watchdog([this]() { backend->postQuit(-1); });
    EXPECT_EQ(backend->runMessageLoop(), 0);
    EXPECT_FALSE(watchdog.fired);
    EXPECT_EQ(ticksDuring, 0) << "ticks while the modal showed";
    EXPECT_EQ(ticks, 3);
}

// Ends the modal after 300 ms, from the toolkit's own timer.
class Ender : public wxTimer
{
public:
    explicit Ender(const std::function<void()>& anAction) : myAction(anAction) { StartOnce(300); }
    void Notify() override { myAction(); }

private:
    std::function<void()> myAction;
};

INSTANTIATE_TEST_SUITE_P(
    Modals, ModalHold,
    testing::Values(ModalCase{"Dialog",
                              [](WxBackend& aBackend, Window& aDialog) {
                                  Ender ender([&aDialog]() { aDialog.endDialog(DialogResult::ok); });
                                  aBackend.runModal(aDialog);
                              }},
                    ModalCase{"MessageBox", [](WxBackend& aBackend, Window&) {
                                  Ender ender([&aBackend]() { aBackend.pressMessageBoxButton(DialogResult::ok); });
                                  Platform::MessageBoxRequest request;
                                  request.caption = "Tessiva";
                                  request.text = "Communications Error";
                                  aBackend.showMessageBox(request);
                              }}));

// A wait on the unit inside a handler keeps the window drawn, and only
// drawn: no tick and no posted message runs inside the exchange.
TEST_F(LivenessTest, AWaitOnTheUnitDrawsTheWindowButHoldsTicksAndMessages)
{
    const Platform::DrawWatch drawn(*backend->view().widgetOf(*label));
    int ticks = 0;
    std::vector<std::string> heard;
    frame->on(Notification::TimerTick, 7, [&](Event&) {
        ++ticks;
        backend->killTimer(*frame, 7);
        backend->postQuit(0);
    });
    frame->on(Notification::Message, [&heard](Event& anEvent) { heard.push_back(std::to_string(anEvent.code)); });
    std::string shownDuring;
    std::size_t drawnDuring = 0;
    int ticksDuring = -1;
    std::size_t heardDuring = 99;
    backend->later([&]() {
        backend->setTimer(*frame, 7, 5);
        backend->post(*frame, 41);
        label->setText("waiting");
        const std::size_t before = drawn.drawings().size();
        Platform::SteadyWait::wait(300, [&]() { shownDuring = labelShown(); });
        drawnDuring = drawn.drawings().size() - before;
        ticksDuring = ticks;
        heardDuring = heard.size();
    });
    Watchdog watchdog([this]() { backend->postQuit(-1); });
    EXPECT_EQ(backend->runMessageLoop(), 0);
    EXPECT_FALSE(watchdog.fired);
    EXPECT_EQ(shownDuring, "waiting");
    EXPECT_GE(drawnDuring, 1u) << "the label was not drawn during the wait";
    EXPECT_EQ(ticksDuring, 0);
    EXPECT_EQ(heardDuring, 0u);
    EXPECT_EQ(heard, std::vector<std::string>{"41"});
    EXPECT_EQ(ticks, 1);
}

// A program's own pump (a download between its lines) sees the model's
// changes as waiting and brings them to the widgets.
TEST_F(LivenessTest, ThePumpBringsTheModelsChangesToTheWidgets)
{
    label->setText("line 12");
    EXPECT_TRUE(backend->hasPendingMessage());
    for (int pass = 0; pass < 1000 && backend->hasPendingMessage(); ++pass)
    {
        EXPECT_TRUE(backend->pumpMessage());
    }
    EXPECT_EQ(labelShown(), "line 12");
}
}

namespace
{
using Clock = std::chrono::steady_clock;

// Presses the frame's close box from the toolkit's own timer, which fires
// inside the wait's repaint as the desktop's close would.
class CloseBoxLater : public wxTimer
{
public:
    CloseBoxLater(wxWindow& aWidget, Clock::time_point& aPressed) : myWidget(aWidget), myPressed(aPressed)
    {
        StartOnce(300);
    }
    void Notify() override
    {
        myPressed = Clock::now();
        myWidget.Close();
    }

private:
    wxWindow& myWidget;
    Clock::time_point& myPressed;
};

// The close box pressed while a handler waits on the unit ends the wait
// soon, and the close runs from the loop once the handler has ended, never
// inside the wait: a close run there once left the program waiting on.
TEST_F(LivenessTest, TheCloseBoxDuringAWaitEndsTheWaitAndTheProgramClosesFromItsLoop)
{
    std::vector<std::string> steps;
    frame->on(Notification::Close, [&](Event&) {
        steps.push_back(Platform::SteadyWait::isInterrupted() ? "close inside the wait" : "close");
        backend->postQuit(0);
    });
    Clock::time_point pressed;
    Clock::time_point ended;
    backend->later([&]() {
        CloseBoxLater closer(*backend->view().widgetOf(*frame), pressed);
        try
        {
            Platform::SteadyWait::wait(6000, []() {});
            steps.push_back("the wait ran out");
        }
        catch (const Platform::WaitInterrupted&)
        {
            ended = Clock::now();
            steps.push_back("the wait ended");
            throw;
        }
    });
    Watchdog watchdog([this]() { backend->postQuit(-1); });
    EXPECT_EQ(backend->runMessageLoop(), 0);
    EXPECT_FALSE(watchdog.fired);
    EXPECT_EQ(steps, (std::vector<std::string>{"the wait ended", "close"}));
    EXPECT_LT(ended - pressed, std::chrono::milliseconds(500));
    EXPECT_FALSE(Platform::SteadyWait::isInterrupted());
}

// What a signal's close did, for the one set of handlers the test program
// installs.
std::function<void()>& signalClose()
{
    static std::function<void()> theClose;
    return theClose;
}

void closeOnSignalsOnce(WxBackend& aBackend)
{
    static bool theInstalled = false;
    if (!theInstalled)
    {
        theInstalled = true;
        aBackend.closeOnSignals([]() { signalClose()(); });
    }
}

struct SignalCase
{
    const char* name;
    int signal;
    bool inWait;
};

void PrintTo(const SignalCase& aCase, std::ostream* aStream)
{
    *aStream << aCase.name;
}

class SignalClose : public LivenessTest, public testing::WithParamInterface<SignalCase>
{
};

// A signal to end runs the program's close from its loop, after the handler
// it landed in (the handler itself only wakes the loop); one landing in a
// wait on the unit ends that wait first.
TEST_P(SignalClose, ASignalClosesFromTheLoopAfterTheHandlerItLandedIn)
{
    closeOnSignalsOnce(*backend);
    std::vector<std::string> steps;
    signalClose() = [&]() {
        steps.push_back(Platform::SteadyWait::isInterrupted() ? "close inside the wait" : "close");
        // Ends the loop after the close: a close that leaves the program
        // running lets the next case's signal ask again.
        backend->later([this]() { backend->postQuit(0); });
    };
    backend->later([&]() {
        raise(GetParam().signal);
        if (!GetParam().inWait)
        {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            steps.push_back("handler ended");
            return;
        }
        try
        {
            Platform::SteadyWait::wait(3000, []() {});
            steps.push_back("the wait ran out");
        }
        catch (const Platform::WaitInterrupted&)
        {
            steps.push_back("the wait ended");
            throw;
        }
    });
    Watchdog watchdog([this]() { backend->postQuit(-1); });
    EXPECT_EQ(backend->runMessageLoop(), 0);
    EXPECT_FALSE(watchdog.fired);
    EXPECT_EQ(steps, (std::vector<std::string>{GetParam().inWait ? "the wait ended" : "handler ended", "close"}));
    signalClose() = nullptr;
}

INSTANTIATE_TEST_SUITE_P(Signals, SignalClose,
                         testing::Values(SignalCase{"Terminate", SIGTERM, false}, SignalCase{"HangUp", SIGHUP, false},
                                         SignalCase{"Interrupt", SIGINT, false},
                                         SignalCase{"TerminateInAWait", SIGTERM, true}));

// A file grown past its size limit and a pipe nobody reads fail the write
// with their error; neither signal ends the program.
TEST_F(LivenessTest, AWritePastTheSizeLimitOrIntoAClosedPipeFailsWithItsError)
{
    closeOnSignalsOnce(*backend);
    char path[] = "/tmp/vorna-limit-XXXXXX";
    const int file = mkstemp(path);
    ASSERT_GE(file, 0);
    unlink(path);
    struct rlimit before = {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
    struct rlimit limited = before;
    limited.rlim_cur = 100;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    const std::string text(300, 'x');
    const ssize_t first = write(file, text.data(), text.size());
    const ssize_t second = write(file, text.data(), text.size());
    const int error = errno;
    setrlimit(RLIMIT_FSIZE, &before);
    close(file);
    EXPECT_EQ(first, 100);
    EXPECT_EQ(second, -1);
    EXPECT_EQ(error, EFBIG);

    int ends[2];
    ASSERT_EQ(pipe(ends), 0);
    close(ends[0]);
    const char byte = 1;
    EXPECT_EQ(write(ends[1], &byte, 1), -1);
    EXPECT_EQ(errno, EPIPE);
    close(ends[1]);
    EXPECT_EQ(raise(SIGXFSZ), 0);
    EXPECT_EQ(raise(SIGPIPE), 0);
}

// A program started from this one (the help viewer) gets both signals as
// any program does: they end it.
TEST_F(LivenessTest, AProgramStartedFromItIsEndedByBothSignalsAsUsual)
{
    closeOnSignalsOnce(*backend);
    for (const char* name : {"PIPE", "XFSZ"})
    {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0)
        {
            const std::string command = std::string("kill -s ") + name + " $$; exit 0";
            execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFSIGNALED(status)) << name << " did not end it";
    }
}
}
