#include "Toolkit/Link/Win32SerialPort.h"
#include "Platform/LineSettings.h"
#include "Toolkit/Parameter/VornaException.h"

#include "FakeSerialDevice.h"
#include "tests/support/PortProfile.h"
#include "PseudoTerminal.h"

#include <gtest/gtest.h>

#include <type_traits>
#include <string>

namespace
{
class Win32SerialPortTest : public ::testing::Test
{
protected:
    void SetUp() override { myProfile.map(3, myTerminal.slavePath()); }

    template <typename Operation>
    std::string failure(Operation anOperation)
    {
        try
        {
            anOperation();
        }
        catch (const VornaException& anError)
        {
            return anError.what();
        }
        return "no error";
    }

    // True when the line of COM3 answers: a byte written arrives at the other end.
    bool carries(Win32SerialPort& aPort)
    {
        const unsigned char poll[] = {0xFB, 0x82, 0x81};
        aPort.write(poll, 3);
        return myTerminal.receive(3, 1000) == bytes({0xFB, 0x82, 0x81});
    }

    // True when nobody holds COM3: a fresh port can open it.
    bool isFree()
    {
        Win32SerialPort probe;
        try
        {
            probe.open(3, Platform::LineSettings(38400));
        }
        catch (const VornaException&)
        {
            return false;
        }
        return true;
    }

    PortProfile myProfile;
    PseudoTerminal myTerminal;
};

TEST_F(Win32SerialPortTest, ClosedPortReportsRateZero)
{
    Win32SerialPort port;
    Platform::LineSettings line(1);
    EXPECT_FALSE(port.isOpen(&line));
    EXPECT_EQ(0u, line.baudRate);
    EXPECT_FALSE(port.isOpen(nullptr));
}

TEST_F(Win32SerialPortTest, OpeningTwiceAtOneRateSharesTheLineUntilTheLastClose)
{
    Win32SerialPort port;
    port.open(3, Platform::LineSettings(19200));
    port.open(3, Platform::LineSettings(19200));
    Platform::LineSettings line;
    EXPECT_TRUE(port.isOpen(&line));
    EXPECT_EQ(19200u, line.baudRate);
    EXPECT_FALSE(isFree());

    port.close();
    EXPECT_TRUE(port.isOpen(nullptr));
    EXPECT_TRUE(carries(port));

    port.close();
    EXPECT_FALSE(port.isOpen(&line));
    EXPECT_EQ(0u, line.baudRate);
    EXPECT_TRUE(isFree());
    port.close();  // one close too many changes nothing
    EXPECT_FALSE(port.isOpen(nullptr));
}

TEST_F(Win32SerialPortTest, ReopeningAtAnotherRateIsRefusedAndChangesNothing)
{
    Win32SerialPort port;
    port.open(3, Platform::LineSettings(19200));
    EXPECT_EQ("Tried to re-open a port at a different baud rate.",
              failure([&port] { port.open(3, Platform::LineSettings(9600)); }));
    Platform::LineSettings line;
    EXPECT_TRUE(port.isOpen(&line));
    EXPECT_EQ(19200u, line.baudRate);
    port.close();
    EXPECT_FALSE(port.isOpen(nullptr));
    port.open(3, Platform::LineSettings(9600));
    EXPECT_TRUE(port.isOpen(&line));
    EXPECT_EQ(9600u, line.baudRate);
}

TEST_F(Win32SerialPortTest, PortInUseOrMissingCannotBeOpenedAndKeepsTheFailedRate)
{
    Win32SerialPort holder(3, Platform::LineSettings(38400));
    Win32SerialPort port;
    EXPECT_EQ("Error opening COM3", failure([&port] { port.open(3, Platform::LineSettings(19200)); }));
    Platform::LineSettings line;
    EXPECT_FALSE(port.isOpen(&line));
    EXPECT_EQ(19200u, line.baudRate);

    myProfile.map(12, "/dev/no-such-serial-line");
    EXPECT_EQ("Error opening COM12", failure([&port] { port.open(12, Platform::LineSettings(9600)); }));
    EXPECT_EQ("Error opening COM12", failure([] { Win32SerialPort opened(12, Platform::LineSettings(9600)); }));
    // The failed open is forgotten by the next one.
    holder.close();
    port.open(3, Platform::LineSettings(38400));
    EXPECT_TRUE(carries(port));
}

TEST_F(Win32SerialPortTest, LineThatCannotBeSetUpIsGivenBack)
{
    myProfile.map(5, "/dev/null");
    Win32SerialPort port;
    EXPECT_EQ("error getting the serial port state",
              failure([&port] { port.open(5, Platform::LineSettings(9600)); }));
    EXPECT_FALSE(port.isOpen(nullptr));
    // Had the first port kept its handle, the exclusive open would fail here.
    Win32SerialPort second;
    EXPECT_EQ("error getting the serial port state", failure([&second] { second.open(5, Platform::LineSettings(9600)); }));

    EXPECT_EQ("Error setting the serial port state.",
              failure([&port] { port.open(3, Platform::LineSettings(0)); }));
    EXPECT_FALSE(port.isOpen(nullptr));
    EXPECT_TRUE(isFree());
    port.open(3, Platform::LineSettings(38400));
    EXPECT_TRUE(carries(port));
}

TEST_F(Win32SerialPortTest, ReadsReturnWhatArrivedWithinTheTimeout)
{
    Win32SerialPort port(3, Platform::LineSettings(38400));
    port.setTimeouts(50);
    unsigned char buffer[5] = {0};
    EXPECT_EQ(0u, port.read(buffer, 1));
    myTerminal.send(bytes({0x04, 0x08, 0x02}));
    EXPECT_EQ(3u, port.read(buffer, 5));
    EXPECT_EQ(0x08, buffer[1]);
}

TEST_F(Win32SerialPortTest, ClosedPortReadsNothingAndRefusesWritesAndTimeouts)
{
    Win32SerialPort port;
    unsigned char byte = 0x04;
    EXPECT_EQ("Error setting the serial port timeouts.", failure([&port] { port.setTimeouts(200); }));
    EXPECT_EQ("Error sending serial data.", failure([&port, &byte] { port.write(&byte, 1); }));
    EXPECT_EQ(0u, port.read(&byte, 1));
}

TEST_F(Win32SerialPortTest, HungUpLineRefusesWrites)
{
    Win32SerialPort port(3, Platform::LineSettings(38400));
    port.setTimeouts(200);
    myTerminal.hangUp();
    unsigned char byte = 0x04;
    EXPECT_EQ("Error sending serial data.", failure([&port, &byte] { port.write(&byte, 1); }));
    EXPECT_EQ(0u, port.read(&byte, 1));
}

TEST_F(Win32SerialPortTest, DestroyingAPortReleasesItsLineWhateverTheCount)
{
    {
        Win32SerialPort port(3, Platform::LineSettings(38400));
        port.open(3, Platform::LineSettings(38400));
        EXPECT_FALSE(isFree());
    }
    EXPECT_TRUE(isFree());
}

// A copy would keep an open count of its own over the one line, so a port
// is shared by pointer and cannot be copied.
static_assert(!std::is_copy_constructible_v<Win32SerialPort> && !std::is_copy_assignable_v<Win32SerialPort>,
              "a serial port is shared, never copied");
}
