#include "Pellora/Engine/CancelException.h"
#include "Pellora/Engine/ExitException.h"
#include "Pellora/Program/CMainFrame.h"
#include "Pellora/Program/PelloraApp.h"
#include "Pellora/Program/PelloraDoc.h"
#include "Pellora/Program/PelloraResources.h"
#include "Pellora/Program/PelloraView.h"
#include "Pellora/Window/Win32CancelChecker.h"
#include "Platform/Framework/CommandIds.h"
#include "Platform/Framework/DocumentTemplate.h"
#include "Platform/ProfileStore.h"
#include "Platform/SerialLine.h"
#include "Platform/Window/DialogResult.h"
#include "Platform/Window/HeadlessBackend.h"
#include "Platform/Window/ScriptedUser.h"
#include "Platform/Window/Window.h"
#include "tests/Pellora/SRecordFiles.h"
#include "tests/emulator/UnitEmulator.h"
#include "tests/support/PortProfile.h"
#include "tests/support/TemporaryFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <thread>
#include <vector>

using Platform::CommandIds;
using Platform::DialogResult;
using Platform::MessageBoxButtons;
using Platform::MessageBoxIcon;
using Platform::MessageBoxRequest;
using Platform::ScriptedUser;
using Platform::Window;
using R = PelloraResources;
using testing::Contains;
using testing::Not;

namespace
{
const std::uint16_t unitAddress = 0x8380;

// The program with a look at every pass of idle processing: a run's cancel
// checks end in it, so a test acts there as a user does while a run goes on.
class TestPellora : public PelloraApp
{
public:
    bool onIdle(long aCount) override
    {
        if (idle)
        {
            idle();
        }
        return PelloraApp::onIdle(aCount);
    }

    std::function<void()> idle;
};

std::string quoted(const std::string& aText)
{
    return "\"" + aText + "\"";
}

class PelloraShellTest : public testing::Test
{
protected:
    PelloraShellTest() : myProgramName(Platform::SerialLine::programName()), user(backend)
    {
        Platform::SerialLine::setProgramName("Pellora");
    }

    ~PelloraShellTest() override { Platform::SerialLine::setProgramName(myProgramName); }

    void writeSettings(int aPort, int aBaudRate, int anAddress)
    {
        Platform::ProfileStore store("Pellora");
        ASSERT_TRUE(store.writeInt("Settings", "CommPort", aPort));
        ASSERT_TRUE(store.writeInt("Settings", "BaudRate", aBaudRate));
        ASSERT_TRUE(store.writeInt("Settings", "DeviceAddress", anAddress));
    }

    void start(TestPellora& anApplication, const std::vector<std::string>& anArguments = {})
    {
        ASSERT_TRUE(anApplication.start(anArguments));
        user.lookAt(anApplication.frame()->window());
    }

    Window& control(int anId) { return user.control(anId); }

    bool enabled(TestPellora& anApplication, unsigned aCommand)
    {
        return anApplication.frame()->queryCommand(aCommand).enabled;
    }

    // The form's settable controls, all enabled or all disabled.
    void expectControlsEnabled(bool anEnabled)
    {
        for (int id : {1003, 1004, 1005, 1006, 1007, 1008, 1009, 1010, 1018, 1019})
        {
            EXPECT_EQ(anEnabled, control(id).isEnabled()) << "control " << id;
        }
    }

    void expectIdle(TestPellora& anApplication)
    {
        EXPECT_EQ("", control(R::messages).text());
        EXPECT_EQ("Current File", control(R::currentFile).text());
        EXPECT_EQ(0, control(R::progressBar).position());
        EXPECT_EQ(0, anApplication.view()->running());
        EXPECT_EQ(0, anApplication.document()->running());
        expectControlsEnabled(true);
        EXPECT_FALSE(enabled(anApplication, R::stopCommand));
    }

    Platform::ProfileStore profileStore() const { return Platform::ProfileStore("Pellora"); }

    std::string myProgramName;
    PortProfile profile;
    TemporaryFolder files;
    Platform::HeadlessBackend backend;
    ScriptedUser user;
};

TEST_F(PelloraShellTest, StartUpShowsTheStoredSettingsOrTheDefaults)
{
    struct Case
    {
        bool stored;
        int port;
        int baudRate;
        int address;
        int checkedPort;
        int checkedBaudRate;
        const char* shown;
    };
    const Case cases[] = {
        {false, 0, 0, 0, 1003, 1007, "8280"},
        {true, 1, 2, static_cast<std::int16_t>(0x8380), 1004, 1009, "8380"},
        {true, 3, 3, 33408 + 2, 1006, 1010, "8282"},
    };
    for (const Case& aCase : cases)
    {
        SCOPED_TRACE(aCase.shown);
        if (aCase.stored)
        {
            writeSettings(aCase.port, aCase.baudRate, aCase.address);
        }
        TestPellora application;
        start(application);
        for (int id = 1003; id <= 1010; ++id)
        {
            EXPECT_EQ(id == aCase.checkedPort || id == aCase.checkedBaudRate, control(id).isChecked()) << id;
        }
        EXPECT_EQ(aCase.shown, control(R::addressEdit).text());
        EXPECT_TRUE(application.frame()->window().isShown());
        EXPECT_EQ("Untitled - Pellora", application.frame()->window().text());
        expectIdle(application);
        EXPECT_FALSE(enabled(application, R::startCommand)); // no script chosen
        EXPECT_TRUE(enabled(application, CommandIds::fileOpen));
        // The up-down steps by 2, then faster, within its range.
        const std::vector<Window::Acceleration> accelerations = {{0, 2}, {2, 4}, {4, 16}, {8, 64}};
        EXPECT_EQ(accelerations, control(R::addressSpin).accelerations());
        EXPECT_EQ(static_cast<std::int16_t>(0x8080), control(R::addressSpin).lower());
        EXPECT_EQ(static_cast<std::int16_t>(0xFFFE), control(R::addressSpin).upper());
    }
}

TEST_F(PelloraShellTest, ChangedSettingsAreWrittenToTheProfileWhenTheProgramEnds)
{
    {
        TestPellora application;
        start(application);
        EXPECT_TRUE(user.click(1005));
        EXPECT_TRUE(user.click(1010));
        EXPECT_TRUE(user.type(R::addressEdit, "9a02"));
        EXPECT_EQ(2, application.view()->portIndex());
        EXPECT_EQ(3, application.view()->baudIndex());
        EXPECT_EQ(0x9a82, application.view()->address());
        EXPECT_TRUE(user.command(CommandIds::appExit));
        EXPECT_EQ(0, application.run());
    }
    const Platform::ProfileStore store = profileStore();
    EXPECT_EQ(2, store.getInt("Settings", "CommPort", -1));
    EXPECT_EQ(3, store.getInt("Settings", "BaudRate", -1));
    EXPECT_EQ(static_cast<std::int16_t>(0x9a82), store.getInt("Settings", "DeviceAddress", -1));
    // Written in this order.
    std::ifstream file(store.filePath());
    const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    const std::string::size_type port = text.find("CommPort");
    const std::string::size_type baudRate = text.find("BaudRate");
    const std::string::size_type address = text.find("DeviceAddress");
    ASSERT_NE(std::string::npos, address);
    EXPECT_LT(port, baudRate);
    EXPECT_LT(baudRate, address);

    // The next start shows them again.
    TestPellora again;
    start(again);
    EXPECT_TRUE(control(1005).isChecked());
    EXPECT_TRUE(control(1010).isChecked());
    EXPECT_EQ("9a82", control(R::addressEdit).text());
}

TEST_F(PelloraShellTest, ASettingThatCannotBeWrittenIsShownAndStopsTheSaving)
{
    // A file where the profile's folder should be: nothing can be written.
    std::ofstream(profile.folder() + "/Vorna") << "not a folder";
    user.expectMessageBox("error saving the comm port state");
    {
        TestPellora application;
        start(application);
        user.click(1004);
    }
    user.finish();
    EXPECT_EQ(1u, backend.messageBoxes().size());
}

struct AddressCase
{
    const char* name;
    std::uint16_t stored;
    std::function<void(ScriptedUser&)> act;
    std::uint16_t expected;
};

void PrintTo(const AddressCase& aCase, std::ostream* aStream)
{
    *aStream << aCase.name;
}

class AddressField : public PelloraShellTest, public testing::WithParamInterface<AddressCase>
{
};

TEST_P(AddressField, KeepsBothBytesWithinTheirRangeWithTheLowestBitClear)
{
    const AddressCase& address = GetParam();
    writeSettings(0, 0, static_cast<std::int16_t>(address.stored));
    TestPellora application;
    start(application);
    address.act(user);
    user.leave(R::addressEdit);
    EXPECT_EQ(address.expected, application.view()->address());
    char shown[8];
    std::snprintf(shown, sizeof shown, "%04x", address.expected);
    EXPECT_EQ(shown, control(R::addressEdit).text());
}

void typeText(ScriptedUser& aUser, const std::string& aText)
{
    aUser.type(R::addressEdit, aText);
}

INSTANTIATE_TEST_SUITE_P(
    Edits, AddressField,
    testing::Values(
        AddressCase{"TypedLowByteBelowTheRangeMovesUp", 0x8280, [](ScriptedUser& u) { typeText(u, "8300"); }, 0x8380},
        AddressCase{"TypedOddLowByteIsEvenedUp", 0x8280, [](ScriptedUser& u) { typeText(u, "ff01"); }, 0xff80},
        AddressCase{"TypedBelowTheLowestIsRefused", 0x8280, [](ScriptedUser& u) { typeText(u, "8000"); }, 0x8280},
        AddressCase{"TypedTextThatIsNoNumberIsRefused", 0x8380, [](ScriptedUser& u) { typeText(u, "zz"); }, 0x8380},
        AddressCase{"StepUpAcrossTheLowByteEnd", 0x82fe,
                    [](ScriptedUser& u) { u.spin(R::addressSpin, ScriptedUser::Arrow::Up); }, 0x8380},
        AddressCase{"StepDownAcrossTheLowByteStart", 0x8380,
                    [](ScriptedUser& u) { u.spin(R::addressSpin, ScriptedUser::Arrow::Down); }, 0x82fe},
        AddressCase{"StepUpWithinTheByte", 0x8280,
                    [](ScriptedUser& u) { u.spin(R::addressSpin, ScriptedUser::Arrow::Up); }, 0x8282},
        AddressCase{"StepDownFromTheLowestIsRefused", 0x8280,
                    [](ScriptedUser& u) { u.spin(R::addressSpin, ScriptedUser::Arrow::Down); }, 0x8280},
        AddressCase{"StepUpFromTheHighestIsRefused", 0xfffe,
                    [](ScriptedUser& u) { u.spin(R::addressSpin, ScriptedUser::Arrow::Up); }, 0xfffe},
        AddressCase{"HeldStepDownBorrowsFromTheHighByte", 0x8380,
                    [](ScriptedUser& u) { u.spin(R::addressSpin, ScriptedUser::Arrow::Down, 8); }, 0x82c0}));

TEST_F(PelloraShellTest, BaudIndicesGiveTheirRates)
{
    const std::pair<int, std::uint32_t> rates[] = {{0, 9600}, {1, 14400}, {2, 19200}, {3, 38400}, {-1, 9600}, {4, 9600}};
    for (const auto& rate : rates)
    {
        EXPECT_EQ(rate.second, PelloraView::baudRate(rate.first)) << rate.first;
    }
}

TEST_F(PelloraShellTest, MenuStringsAndAboutBoxAreThePrograms)
{
    TestPellora application;
    start(application);
    const Platform::Menu menu = application.frame()->menu();
    const std::pair<unsigned, const char*> items[] = {{CommandIds::fileOpen, "&Select a Pellora script"},
                                                      {CommandIds::appExit, "E&xit"},
                                                      {R::startCommand, "St&art"},
                                                      {R::stopCommand, "St&op"},
                                                      {CommandIds::appAbout, "&About Pellora..."}};
    for (const auto& item : items)
    {
        ASSERT_NE(nullptr, menu.findCommand(item.first)) << item.second;
        EXPECT_EQ(item.second, menu.findCommand(item.first)->text);
    }
    ASSERT_NE(nullptr, menu.findPopup("&Download"));
    EXPECT_EQ("Start downloading", application.frame()->prompt(R::startCommand).substr(0, 17));
    application.frame()->showPrompt(R::stopCommand);
    EXPECT_EQ("Stop downloading", application.frame()->messageText());
    EXPECT_EQ("Pellora Files (*.prx)|*.prx|All Files (*.*)|*.*||", application.documentTemplate()->fileFilter());
    const char* const radios[] = {"COM1", "COM2", "COM3", "COM4", "9600   baud", "14400 baud", "19200 baud", "38400 baud"};
    for (int index = 0; index < 8; ++index)
    {
        EXPECT_EQ(radios[index], control(1003 + index).text());
    }

    user.expectDialog(R::aboutDialog, [&](Window& aDialog) {
        ASSERT_NE(nullptr, aDialog.findChild(R::aboutVersion));
        EXPECT_EQ("2.00", aDialog.findChild(R::aboutVersion)->text());
        user.click(DialogResult::ok);
    });
    EXPECT_TRUE(user.command(CommandIds::appAbout));
    user.finish();
}

TEST_F(PelloraShellTest, AFifoGivenAsTheScriptIsRefusedBeforeAnyWindow)
{
    const std::string fifo = files.pathOf("fifo.prx");
    ASSERT_EQ(0, ::mkfifo(fifo.c_str(), 0600));
    user.expectMessageBox("The file " + fifo + " could not be opened.");
    TestPellora application;
    EXPECT_FALSE(application.start({fifo}));
    user.finish();
    EXPECT_TRUE(backend.openWindows().empty());
}

TEST_F(PelloraShellTest, SelectingAScriptEnablesStart)
{
    const std::string script = files.write("first.prx", "print(\"x\");\n");
    TestPellora application;
    start(application);
    user.expectFileDialog(Platform::FileDialogKind::Open, script, "Pellora Files (*.prx)|*.prx|All Files (*.*)|*.*||");
    EXPECT_TRUE(user.command(CommandIds::fileOpen));
    user.finish();
    EXPECT_EQ(script, application.document()->pathName());
    EXPECT_TRUE(enabled(application, R::startCommand));
    // The form starts afresh and still keeps one pair of observers.
    EXPECT_EQ(2u, application.view()->addressParameter().observerCount());
    EXPECT_TRUE(user.spin(R::addressSpin, ScriptedUser::Arrow::Up));
    EXPECT_EQ("8282", control(R::addressEdit).text());
}

TEST_F(PelloraShellTest, WindowCallbacksReachTheirControls)
{
    TestPellora application;
    start(application);
    UserInterfaceFactory& factory = application.view()->userInterfaceFactory();

    const std::pair<float, int> positions[] = {{0.5f, 50}, {0.999f, 99}, {1.0f, 100}, {0.0f, 0}, {0.014f, 1}};
    {
        std::unique_ptr<UserInterface::ProgressDisplayImplementation> progress(factory.newProgressDisplay());
        for (const auto& position : positions)
        {
            progress->set(position.first);
            EXPECT_EQ(position.second, control(R::progressBar).position()) << position.first;
        }
    }

    const std::pair<UserInterfaceFactory::TextField, int> fields[] = {{UserInterfaceFactory::MessagesField, R::messages},
                                                                      {UserInterfaceFactory::CurrentFileField, R::currentFile}};
    for (const auto& field : fields)
    {
        control(field.second).setText("before");
        std::unique_ptr<UserInterface::TextDisplayImplementation> display(factory.newTextDisplay(field.first));
        EXPECT_EQ("", control(field.second).text()) << field.second;
        display->tell("Programming the unit");
        EXPECT_EQ("Programming the unit", control(field.second).text()) << field.second;
    }

    user.expectMessageBox("Continue?", DialogResult::yes);
    user.expectMessageBox("Continue?", DialogResult::no);
    user.expectMessageBox("All done.");
    std::unique_ptr<UserInterface::QuestionImplementation> question(factory.newQuestion());
    EXPECT_TRUE(question->ask("Continue?"));
    EXPECT_FALSE(question->ask("Continue?"));
    std::unique_ptr<UserInterface::MessageImplementation> message(factory.newMessage());
    message->show("All done.");
    user.finish();
    const std::vector<MessageBoxRequest>& boxes = backend.messageBoxes();
    ASSERT_EQ(3u, boxes.size());
    EXPECT_EQ(MessageBoxButtons::YesNo, boxes[0].buttons);
    EXPECT_EQ(MessageBoxIcon::Question, boxes[0].icon);
    EXPECT_EQ(MessageBoxButtons::Ok, boxes[2].buttons);
    EXPECT_EQ(MessageBoxIcon::Information, boxes[2].icon);
    EXPECT_EQ("Pellora", boxes[2].caption);
}

TEST_F(PelloraShellTest, CancelCheckerStopsPumpsOrEndsForTheClosingProgram)
{
    TestPellora application;
    start(application);
    unsigned char running = 0;
    Win32Implementation::Win32CancelChecker checker(&running);
    try
    {
        checker.check();
        FAIL() << "no Stop";
    }
    catch (const Win32Implementation::CancelException& anError)
    {
        EXPECT_STREQ("Cancel Exception", anError.what());
    }

    running = 1;
    int handled = 0;
    int idle = 0;
    application.idle = [&]() { ++idle; };
    backend.later([&]() { ++handled; });
    backend.later([&]() { ++handled; });
    checker.check();
    EXPECT_EQ(2, handled);
    EXPECT_EQ(1, idle);

    backend.postQuit(0);
    try
    {
        checker.check();
        FAIL() << "no exit";
    }
    catch (const Win32Implementation::ExitException& anError)
    {
        EXPECT_STREQ("Exit Exception", anError.what());
    }
    // Still there for the program's own loop.
    EXPECT_TRUE(backend.isQuitPosted());
}

// A run against the emulated unit on COM3 at 38400 baud.
class PelloraRunTest : public PelloraShellTest
{
protected:
    PelloraRunTest()
    {
        emulator.addUnit(unitAddress);
        emulator.setIdentification(unitAddress, "KQ330", "1.10");
        profile.map(3, emulator.devicePath());
        writeSettings(2, 3, static_cast<std::int16_t>(unitAddress));
    }

    std::string writeScript(const std::string& aText) { return files.write("run.prx", aText); }

    template <typename Condition>
    void waitUntil(Condition aCondition)
    {
        for (int i = 0; i < 2000 && !aCondition(); ++i)
        {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }

    void waitForLines(std::size_t aCount)
    {
        waitUntil([&] { return emulator.downloadLines(unitAddress).size() >= aCount; });
    }

    Emulator::UnitEmulator emulator;
};

TEST_F(PelloraRunTest, ScriptRunsWithQuestionsMessagesFileAndProgressShown)
{
    const std::vector<std::string> first = recordLines("A", 3);
    const std::vector<std::string> second = recordLines("B", 2);
    const std::string a = files.write("a.s19", fileText(first));
    const std::string b = files.write("b.s19", fileText(second));
    const std::string script = writeScript(
        "if (ask(\"Download the firmware?\")) {\n"
        "  print(\"Entering download mode\");\n"
        "  download_mode;\n"
        "  download_files(" + quoted(a) + ", " + quoted(b) + ");\n"
        "  reset;\n"
        "  dialog(\"Download complete\");\n"
        "}\n"
        "if (ask(\"Read the version?\")) dialog(\"never\"); else print(\"Version not read\");\n"
        "dialog(\"Done\");\n");
    TestPellora application;
    start(application, {script});
    ASSERT_TRUE(enabled(application, R::startCommand));

    std::vector<std::string> captions;
    std::vector<int> positions;
    application.idle = [&]() {
        if (application.view()->running() != 0)
        {
            captions.push_back(control(R::currentFile).text());
            positions.push_back(control(R::progressBar).position());
        }
    };
    user.expectMessageBox("Download the firmware?", [&](const MessageBoxRequest& aRequest) {
        EXPECT_EQ(MessageBoxButtons::YesNo, aRequest.buttons);
        expectControlsEnabled(false);
        EXPECT_FALSE(enabled(application, R::startCommand));
        EXPECT_TRUE(enabled(application, R::stopCommand));
        EXPECT_FALSE(enabled(application, CommandIds::fileOpen));
        EXPECT_FALSE(enabled(application, CommandIds::recentFileFirst));
        return DialogResult::yes;
    });
    user.expectMessageBox("Download complete", [&](const MessageBoxRequest& aRequest) {
        EXPECT_EQ(MessageBoxIcon::Information, aRequest.icon);
        EXPECT_EQ("Entering download mode", control(R::messages).text());
        EXPECT_EQ("", control(R::currentFile).text()); // after each file
        EXPECT_EQ(0, control(R::progressBar).position());
        return DialogResult::ok;
    });
    user.expectMessageBox("Read the version?", DialogResult::no);
    user.expectMessageBox("Done", [&](const MessageBoxRequest&) {
        EXPECT_EQ("Version not read", control(R::messages).text());
        return DialogResult::ok;
    });
    EXPECT_TRUE(user.command(R::startCommand));
    user.finish();
    EXPECT_EQ(4u, backend.messageBoxes().size());
    expectIdle(application);
    EXPECT_TRUE(enabled(application, R::startCommand));

    std::vector<std::string> expected = first;
    expected.insert(expected.end(), second.begin(), second.end());
    expected.push_back("S0DONE");
    waitForLines(expected.size());
    EXPECT_EQ(expected, emulator.downloadLines(unitAddress));
    EXPECT_THAT(captions, Contains(a));
    EXPECT_THAT(captions, Contains(b));
    // Every line moves the bar to the share of its file sent so far.
    for (const std::vector<std::string>* lines : {&first, &second})
    {
        const float total = float(fileText(*lines).size() + 1);
        std::size_t sent = 0;
        for (const std::string& line : *lines)
        {
            sent += line.size() + 1;
            EXPECT_THAT(positions, Contains(static_cast<int>(float(sent) / total * 100))) << line;
        }
    }
}

TEST_F(PelloraRunTest, StopDuringADownloadEndsTheRunQuietly)
{
    const std::vector<std::string> lines = recordLines("E", 50);
    const std::string file = files.write("big.s19", fileText(lines));
    TestPellora application;
    start(application, {writeScript("download_mode;\ndownload_files(" + quoted(file) + ");\nreset;\n")});
    bool stopped = false;
    application.idle = [&]() {
        if (!stopped && control(R::progressBar).position() >= 40)
        {
            stopped = true;
            backend.later([&]() { EXPECT_TRUE(user.command(R::stopCommand)); });
        }
    };
    EXPECT_TRUE(user.command(R::startCommand));
    EXPECT_TRUE(stopped);
    EXPECT_TRUE(backend.messageBoxes().empty());
    expectIdle(application);
    EXPECT_TRUE(enabled(application, R::startCommand));

    waitForLines(15);
    const std::vector<std::string> sent = emulator.downloadLines(unitAddress);
    EXPECT_LT(sent.size(), lines.size());
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + sent.size()), sent);
    EXPECT_THAT(sent, Not(Contains("S0DONE")));
}

TEST_F(PelloraRunTest, StopDuringTheWaitForTheUnitsStatusEndsTheRunAtTheNextCheck)
{
    emulator.setDownloadAnswer(unitAddress, {}); // the unit never says "ok"
    const std::string file = files.write("s.s19", fileText(recordLines("W", 2)));
    TestPellora application;
    start(application, {writeScript("download_mode;\ndownload_files(" + quoted(file) + ");\n")});
    int checks = 0;
    application.idle = [&]() {
        if (application.document()->running() != 0 && ++checks == 2)
        {
            backend.later([&]() { EXPECT_TRUE(user.command(R::stopCommand)); });
        }
    };
    EXPECT_TRUE(user.command(R::startCommand));
    // Stop arrives in the third check's pump (its command runs idle
    // processing too); the next check throws before it pumps.
    EXPECT_EQ(4, checks);
    EXPECT_TRUE(backend.messageBoxes().empty());
    expectIdle(application);
    EXPECT_TRUE(emulator.downloadLines(unitAddress).empty());
}

// The ways the program closes while a run goes on.
struct ClosingCase
{
    const char* name;
    std::function<void(ScriptedUser&)> close;
};

void PrintTo(const ClosingCase& aCase, std::ostream* aStream)
{
    *aStream << aCase.name;
}

class ClosingDuringARun : public PelloraRunTest, public testing::WithParamInterface<ClosingCase>
{
};

TEST_P(ClosingDuringARun, EndsItWithoutResetOrMessage)
{
    const std::vector<std::string> lines = recordLines("C", 50);
    const std::string file = files.write("big.s19", fileText(lines));
    {
        TestPellora application;
        start(application, {writeScript("download_mode;\ndownload_files(" + quoted(file) + ");\nreset;\n")});
        user.click(1009); // 19200 baud now, kept for the next start
        bool closed = false;
        application.idle = [&]() {
            if (!closed && control(R::progressBar).position() >= 40)
            {
                closed = true;
                backend.later([&]() { GetParam().close(user); });
            }
        };
        EXPECT_TRUE(user.command(R::startCommand));
        EXPECT_TRUE(closed);
        EXPECT_TRUE(backend.messageBoxes().empty());
        EXPECT_TRUE(backend.isQuitPosted());
        // The window is going: nothing was reset.
        EXPECT_EQ(file, control(R::currentFile).text());
        EXPECT_GE(control(R::progressBar).position(), 40);
        EXPECT_EQ(1, application.document()->running());
        EXPECT_FALSE(application.frame()->window().isShown());

        application.idle = nullptr;
        EXPECT_EQ(0, application.run());
        EXPECT_EQ(nullptr, application.document());
    }
    EXPECT_EQ(2, profileStore().getInt("Settings", "BaudRate", -1));
    waitForLines(15);
    const std::vector<std::string> sent = emulator.downloadLines(unitAddress);
    EXPECT_LT(sent.size(), lines.size());
    EXPECT_THAT(sent, Not(Contains("S0DONE")));
}

INSTANTIATE_TEST_SUITE_P(
    Ways, ClosingDuringARun,
    testing::Values(ClosingCase{"CloseBox", [](ScriptedUser& aUser) { aUser.closeWindow(); }},
                    ClosingCase{"Exit", [](ScriptedUser& aUser) { EXPECT_TRUE(aUser.command(CommandIds::appExit)); }},
                    ClosingCase{"SessionEnd", [](ScriptedUser& aUser) { aUser.endSession(); }}));

struct FailureCase
{
    const char* name;
    // Sets the run up and returns the script's text.
    std::function<std::string(TemporaryFolder&, Emulator::UnitEmulator&, PortProfile&)> prepare;
    // Empty: none. "{folder}" stands for the test's folder.
    const char* message;
};

class FailedRun : public PelloraRunTest, public testing::WithParamInterface<FailureCase>
{
};

void PrintTo(const FailureCase& aCase, std::ostream* aStream)
{
    *aStream << aCase.name;
}

TEST_P(FailedRun, ShowsItsMessageAfterTheStatusIsReset)
{
    const FailureCase& failure = GetParam();
    const std::string script = writeScript(failure.prepare(files, emulator, profile));
    std::string message = failure.message;
    const std::string::size_type folder = message.find("{folder}");
    if (folder != std::string::npos)
    {
        message.replace(folder, 8, files.path());
    }
    TestPellora application;
    start(application, {script});
    if (std::string(failure.name) == "ScriptGoneBeforeStart")
    {
        std::remove(script.c_str());
    }
    if (!message.empty())
    {
        user.expectMessageBox(message, [&](const MessageBoxRequest&) {
            // Reset before the message is shown.
            EXPECT_EQ("Current File", control(R::currentFile).text());
            EXPECT_EQ(0, application.view()->running());
            return DialogResult::ok;
        });
    }
    EXPECT_TRUE(user.command(R::startCommand));
    user.finish();
    EXPECT_EQ(message.empty() ? 0u : 1u, backend.messageBoxes().size());
    expectIdle(application);
}

INSTANTIATE_TEST_SUITE_P(
    Failures, FailedRun,
    testing::Values(
        FailureCase{"ParseError",
                    [](TemporaryFolder&, Emulator::UnitEmulator&, PortProfile&) {
                        return std::string("print(\"a\");\nVersion >= 1;\n");
                    },
                    "parse error on line 2\n"},
        FailureCase{"PortThatCannotBeOpened",
                    [](TemporaryFolder& aFiles, Emulator::UnitEmulator&, PortProfile& aProfile) {
                        aProfile.map(3, aFiles.pathOf("no-such-device"));
                        return std::string("print(\"a\");\n");
                    },
                    "Error opening COM3"},
        FailureCase{"UnitErrorCode",
                    [](TemporaryFolder& aFiles, Emulator::UnitEmulator& anEmulator, PortProfile&) {
                        anEmulator.setDownloadAnswer(unitAddress, {'x', 'x', 0x85});
                        const std::string file = aFiles.write("d.s19", fileText(recordLines("D", 2)));
                        return "print(\"a\");\ndownload_mode;\ndownload_files(" + quoted(file) + ");\n";
                    },
                    "Download error -123\n"},
        FailureCase{"MissingFile",
                    [](TemporaryFolder& aFiles, Emulator::UnitEmulator&, PortProfile&) {
                        return "download_files(" + quoted(aFiles.pathOf("gone.s19")) + ");\n";
                    },
                    "Error opening {folder}/gone.s19: No such file or directory"},
        FailureCase{"ScriptGoneBeforeStart",
                    [](TemporaryFolder&, Emulator::UnitEmulator&, PortProfile&) {
                        return std::string("print(\"a\");\n");
                    },
                    ""}));
}
