#include "Pellora/Engine/CancelException.h"
#include "Platform/LineSettings.h"
#include "Pellora/Engine/Interpreter.h"
#include "Pellora/Engine/InterpreterError.h"
#include "Platform/SerialLine.h"
#include "Toolkit/Link/SerialDevice.h"
#include "Toolkit/Link/Win32SerialPort.h"
#include "Toolkit/Parameter/ProtocolException.h"
#include "tests/Pellora/SRecordFiles.h"
#include "tests/Pellora/PtySerialLine.h"
#include "tests/Pellora/ScriptedOperator.h"
#include "tests/Pellora/SteppingClock.h"
#include "tests/support/PortLink.h"
#include "tests/support/PortProfile.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/emulator/UnitEmulator.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <thread>
#include <vector>

using Emulator::Bytes;
using Emulator::UnitEmulator;
using Emulator::UnitFault;
using Emulator::UnitFrame;
using testing::ElementsAre;
using testing::ElementsAreArray;
using testing::IsEmpty;

namespace
{
const std::uint16_t address = 0x8280;

Bytes operator+(Bytes aLeft, const Bytes& aRight)
{
    aLeft.insert(aLeft.end(), aRight.begin(), aRight.end());
    return aLeft;
}

Bytes bytesOf(const std::string& aText)
{
    return Bytes(aText.begin(), aText.end());
}

class EmulatedUnitTest : public testing::Test
{
protected:
    EmulatedUnitTest()
    {
        myEmulator.addUnit(address);
        myEmulator.addUnit(0x8380);
        myEmulator.setIdentification(address, "KQ330", "1.10");
        myPort = std::make_unique<PtySerialLine>(myEmulator.devicePath());
        myDevice = std::make_unique<SerialDevice>(myPort.get());
    }

    bool run(const std::string& aScript, std::uint16_t anAddress = address, const DownloadClock* aClock = nullptr)
    {
        Interpreter interpreter(&myOperator, myDevice.get(), anAddress, Interpreter::DefaultQueryKeyword, aClock);
        return interpreter.runScript(myFolder.write("script.prx", aScript));
    }

    // The emulator reads the line on its own thread: wait (boundedly) until it
    // has taken what was sent.
    template <typename Condition>
    void waitUntil(Condition aCondition)
    {
        for (int i = 0; i < 2000 && !aCondition(); ++i)
        {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }

    void waitForBytes(std::size_t aCount)
    {
        waitUntil([&] { return myEmulator.bytesReceived().size() >= aCount; });
    }

    void waitForLines(std::size_t aCount)
    {
        waitUntil([&] { return myEmulator.downloadLines(address).size() >= aCount; });
    }

    UnitEmulator myEmulator;
    std::unique_ptr<PtySerialLine> myPort;
    std::unique_ptr<SerialDevice> myDevice;
    ScriptedOperator myOperator;
    TemporaryFolder myFolder;
};

TEST_F(EmulatedUnitTest, DownloadModeSetsTheParameterAfterTheKeyword)
{
    run("download_mode;");
    const Bytes expected =
        Bytes({0xFB, 0x82, 0x80}) + UnitFrame::encode({0xF9, 0x00, 0x00, 0x01}) + Bytes({0xFB, 0x82, 0x81});
    waitForBytes(expected.size());
    EXPECT_EQ(expected, myEmulator.bytesReceived());
    EXPECT_TRUE(myEmulator.inDownloadMode(address));
}

struct RequestCase
{
    const char* name;
    std::uint16_t address;
    const char* script;
    std::uint8_t group;
    std::uint8_t index;
};

void PrintTo(const RequestCase& aCase, std::ostream* aStream)
{
    *aStream << aCase.name;
}

class Requests : public EmulatedUnitTest, public testing::WithParamInterface<RequestCase>
{
};

TEST_P(Requests, ReadTheIdentificationUnderTheKeyword)
{
    const RequestCase& request = GetParam();
    myEmulator.setIdentification(request.address, "KQ350", "2.01", request.group);
    run(request.script, request.address);
    const std::uint8_t high = request.address >> 8;
    const std::uint8_t low = request.address & 0xFF;
    const Bytes select{0xFB, high, low};
    const Bytes expected = select + UnitFrame::encode({request.group, request.index}) +
                           Bytes({0xFB, high, std::uint8_t(low + 1)}) + select + Bytes({0x09, 0x04});
    waitForBytes(expected.size());
    EXPECT_EQ(expected, myEmulator.bytesReceived());
    EXPECT_THAT(myOperator.messagesField(), ElementsAre("", "match"));
}

INSTANTIATE_TEST_SUITE_P(
    Statements, Requests,
    testing::Values(RequestCase{"Version", address, "if (version == 2.01) print(\"match\");", 0xF8, 1},
                    RequestCase{"Device", address, "if (device == \"KQ350\") print(\"match\");", 0xF8, 0},
                    RequestCase{"OtherAddress", 0x8380, "if (\"kq350\" == device) print(\"match\");", 0xF8, 0},
                    RequestCase{"KeywordVersion", address,
                                "query_keyword = 16; if (version >= 2.0) print(\"match\");", 0x10, 1},
                    RequestCase{"KeywordDevice", address,
                                "query_keyword = 0x10; if (device != \"KQ330\") print(\"match\");", 0x10, 0}));

TEST_F(EmulatedUnitTest, KeywordMovesTheDownloadModeParameter)
{
    myEmulator.setIdentification(address, "KQ330", "1.10", 16);
    run("query_keyword = 16; download_mode;");
    const Bytes expected =
        Bytes({0xFB, 0x82, 0x80}) + UnitFrame::encode({0x11, 0x00, 0x00, 0x01}) + Bytes({0xFB, 0x82, 0x81});
    waitForBytes(expected.size());
    EXPECT_EQ(expected, myEmulator.bytesReceived());
}

TEST_F(EmulatedUnitTest, VersionsCompareAsTexts)
{
    run("if (version >= 1.9) print(\"new\"); else print(\"old\");\n"
        "if (device == \"kq330\") dialog(\"a KQ330\");");
    EXPECT_THAT(myOperator.messagesField(), ElementsAre("", "old"));
    EXPECT_THAT(myOperator.messages(), ElementsAre("a KQ330"));
}

TEST_F(EmulatedUnitTest, SilentUnitFailsTheStatementWithTheProtocolsMessage)
{
    myEmulator.injectFault(address, UnitFault::silent(UnitFault::forever));
    try
    {
        run("if (version >= 1.0) print(\"new\");");
        FAIL() << "no error";
    }
    catch (const ProtocolException& anError)
    {
        EXPECT_STREQ("No response when expecting an ACK.", anError.what());
    }
    EXPECT_THAT(myOperator.messagesField(), IsEmpty());
}

TEST_F(EmulatedUnitTest, ProtocolRunSendsEveryFileAndShowsItsProgress)
{
    const std::vector<std::string> first = recordLines("A", 3);
    const std::vector<std::string> second = recordLines("B", 2);
    const std::string a = myFolder.write("a.s19", fileText(first));
    const std::string b = myFolder.write("b.s19", fileText(second));
    run("download_mode;\ndownload_files(\"" + a + "\", \"" + b + "\");\nreset;\n");

    std::vector<std::string> expected = first;
    expected.insert(expected.end(), second.begin(), second.end());
    expected.push_back("S0DONE");
    waitForLines(expected.size());
    EXPECT_EQ(expected, myEmulator.downloadLines(address));
    EXPECT_FALSE(myEmulator.inDownloadMode(address));
    EXPECT_THAT(myOperator.currentFileField(), ElementsAre("", a, "", "", b, ""));
    // Four lines of a, then three of b; each file returns the bar to 0.
    ASSERT_EQ(9u, myOperator.progress().size());
    EXPECT_FLOAT_EQ(float(fileText(first).size()) / (fileText(first).size() + 1), myOperator.progress()[3]);
    EXPECT_EQ(0.0f, myOperator.progress()[4]);
    EXPECT_EQ(0.0f, myOperator.progress()[8]);
}

TEST_F(EmulatedUnitTest, PlainRunSendsTheLinesWithoutLineEnds)
{
    const std::vector<std::string> lines = recordLines("C", 4);
    const std::string file = myFolder.write("c.s19", fileText(lines));
    myEmulator.enterDownloadMode(address);
    const SteppingClock clock(std::chrono::milliseconds(1000));
    run("protocol = false;\ndownload_files(\"" + file + "\");\n", address, &clock);

    std::string sent;
    for (const std::string& line : lines)
    {
        sent += line;
    }
    waitForBytes(sent.size());
    EXPECT_EQ(bytesOf(sent), myEmulator.bytesReceived());
    EXPECT_EQ(1.0f, myOperator.progress()[myOperator.progress().size() - 2]);
}

TEST_F(EmulatedUnitTest, ErrorByteOfTheUnitStopsTheRunBeforeAnyLine)
{
    myEmulator.setDownloadAnswer(address, {'x', 'x', 0x85});
    const std::string file = myFolder.write("d.s19", fileText(recordLines("D", 2)));
    try
    {
        run("download_mode;\ndownload_files(\"" + file + "\");\n");
        FAIL() << "no error";
    }
    catch (const InterpreterError& anError)
    {
        EXPECT_STREQ("Download error -123\n", anError.what());
    }
    EXPECT_THAT(myEmulator.downloadLines(address), IsEmpty());
}

TEST_F(EmulatedUnitTest, StopEndsTheFileAfterAWholeLine)
{
    const std::vector<std::string> lines = recordLines("E", 40);
    const std::string file = myFolder.write("e.s19", fileText(lines));
    // Status, first line, status, then one check after each further line.
    myOperator.stopAtCheck(10);
    EXPECT_THROW(run("download_mode;\ndownload_files(\"" + file + "\");\nreset;\n"),
                 Win32Implementation::CancelException);
    const std::vector<std::string> sent(lines.begin(), lines.begin() + 9);
    waitForLines(sent.size());
    EXPECT_EQ(sent, myEmulator.downloadLines(address));
    // Nothing of the next line went out, not even in part.
    const Bytes downloadMode =
        Bytes({0xFB, 0x82, 0x80}) + UnitFrame::encode({0xF9, 0x00, 0x00, 0x01}) + Bytes({0xFB, 0x82, 0x81});
    EXPECT_EQ(downloadMode + bytesOf(fileText(sent)), myEmulator.bytesReceived());
}

// The program's own port, as a run opens it: COMn mapped to the emulator's line
// in the program's profile.
class ProgramPort : public EmulatedUnitTest
{
protected:
    ProgramPort()
        : myProgramName(Platform::SerialLine::programName())
    {
        Platform::SerialLine::setProgramName("Pellora");
        myProfile.map(3, myEmulator.devicePath());
    }

    ~ProgramPort() override { Platform::SerialLine::setProgramName(myProgramName); }

    PortProfile myProfile;
    std::string myProgramName;
};

TEST_F(ProgramPort, RunsAWholeDownload)
{
    // The test's own line must not hold the port.
    myDevice.reset();
    myPort.reset();
    const std::vector<std::string> lines = recordLines("F", 5);
    const std::string file = myFolder.write("f.s19", fileText(lines));
    Win32SerialPort port(3, Platform::LineSettings(38400));
    SerialDevice device(&port);
    Interpreter interpreter(&myOperator, &device, address);
    EXPECT_TRUE(interpreter.runScript(
        myFolder.write("run.prx", "download_mode;\ndownload_files(\"" + file + "\");\nreset_download;\nreset;\n")));
    std::vector<std::string> expected = lines;
    expected.push_back("S0DNLD");
    expected.push_back("S0DONE");
    waitForLines(expected.size());
    EXPECT_EQ(expected, myEmulator.downloadLines(address));
}

// The unit's line vanishes while a question is up (the unit switched off, its
// adapter pulled out) and the operator answers Yes: a unit back under the
// same path gets the file, and with none there the status wait says at once
// that no answer comes rather than after minutes of silence.
class VanishingUnit : public testing::Test
{
protected:
    VanishingUnit()
        : myProgramName(Platform::SerialLine::programName())
    {
        Platform::SerialLine::setProgramName("Pellora");
        myProfile.map(3, myLink.path());
    }

    ~VanishingUnit() override { Platform::SerialLine::setProgramName(myProgramName); }

    // A fresh unit at the link's path, waiting in download mode for a file.
    void plugIn()
    {
        myUnit = std::make_unique<UnitEmulator>();
        myUnit->addUnit(address);
        myUnit->enterDownloadMode(address);
        ASSERT_TRUE(myLink.pointAt(myUnit->devicePath()));
    }

    void unplug()
    {
        ASSERT_TRUE(myLink.remove());
        myUnit.reset();
    }

    PortLink myLink;
    PortProfile myProfile;
    std::string myProgramName;
    TemporaryFolder myFolder;
    ScriptedOperator myOperator;
    std::unique_ptr<UnitEmulator> myUnit;
};

TEST_F(VanishingUnit, WhileAQuestionIsUpTheAnswerFindsTheUnitBackOrSaysItIsGone)
{
    const std::vector<std::string> lines = recordLines("G", 4);
    const std::string file = myFolder.write("g.s19", fileText(lines));
    const std::string script =
        myFolder.write("run.prx", "if (ask(\"Go on?\")) download_files(\"" + file + "\");\n");
    for (const bool back : {true, false})
    {
        SCOPED_TRACE(back ? "back under the same path" : "still gone");
        plugIn();
        Win32SerialPort port(3, Platform::LineSettings(38400));
        SerialDevice device(&port);
        // Minutes of the status wait pass in a few of its passes.
        const SteppingClock clock(std::chrono::milliseconds(1000));
        Interpreter interpreter(&myOperator, &device, address, Interpreter::DefaultQueryKeyword, &clock);
        myOperator.answer({true});
        myOperator.onAsk([&] {
            unplug();
            if (back)
            {
                plugIn();
            }
        });
        testing::internal::CaptureStderr();
        std::string error;
        try
        {
            EXPECT_TRUE(interpreter.runScript(script));
        }
        catch (const InterpreterError& anError)
        {
            error = anError.what();
        }
        testing::internal::GetCapturedStderr();
        if (back)
        {
            EXPECT_EQ("", error);
            for (int i = 0; i < 2000 && myUnit->downloadLines(address).size() < lines.size(); ++i)
            {
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
            EXPECT_EQ(lines, myUnit->downloadLines(address));
        }
        else
        {
            EXPECT_EQ("no status response from the device", error);
            EXPECT_LT(clock.elapsed(), std::chrono::seconds(10)) << "the status wait waited for a unit that is gone";
        }
    }
}
}
