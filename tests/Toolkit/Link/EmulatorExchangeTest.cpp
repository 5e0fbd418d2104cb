#include "Toolkit/Link/Kq310SmpteProtocol.h"
#include "Platform/LineSettings.h"
#include "Toolkit/Link/RetryProtocolDecorator.h"
#include "Toolkit/Link/SerialDevice.h"
#include "Toolkit/Link/SmpteProtocol.h"
#include "Toolkit/Link/ValueMessage.h"
#include "Toolkit/Link/Win32SerialPort.h"
#include "Toolkit/Parameter/Protocol.h"
#include "Toolkit/Parameter/ProtocolException.h"
#include "Toolkit/Parameter/VornaException.h"

#include "tests/emulator/UnitEmulator.h"

#include "FakeSerialDevice.h"
#include "tests/support/PortProfile.h"

#include <gtest/gtest.h>

#include <memory>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

// Whole exchanges over a pseudo-terminal, with the unit emulator as the unit
// and the real serial port underneath.
namespace
{
using Emulator::UnitEmulator;
using Emulator::UnitFault;

const std::uint16_t address = 0x8280;
const unsigned port = 3;

ByteString wire(const Emulator::Bytes& aBytes)
{
    return ByteString(aBytes.begin(), aBytes.end());
}

std::size_t occurrences(const ByteString& aWhole, const ByteString& aPart)
{
    std::size_t found = 0;
    for (std::size_t at = aWhole.find(aPart); at != ByteString::npos; at = aWhole.find(aPart, at + 1))
    {
        ++found;
    }
    return found;
}

class EmulatorExchangeTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Emulator::ParameterMap values{{{'B', 3}, UnitEmulator::integer(0)}, {{'B', 4}, UnitEmulator::integer(300)}};
        for (int index = 0; index < 17; ++index)
        {
            values[{'C', static_cast<std::uint8_t>(index)}] = UnitEmulator::integer(index * 11);
        }
        myEmulator.addUnit(address, values);
        myProfile.map(port, myEmulator.devicePath());
        myPort.open(port, Platform::LineSettings(38400));
        myDevice = std::make_unique<SerialDevice>(&myPort);
        mySerial = std::make_unique<SmpteProtocol>(address, myDevice.get());
        myProtocol = std::make_unique<Protocol>(mySerial.get());
        myRetry = std::make_unique<RetryProtocolDecorator>(myProtocol.get(), 5);
        myEmulator.clearLog();
    }

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

    // What the emulator received, once at least aCount bytes are in (the last
    // ACK may still be crossing the line when the exchange returns).
    ByteString received(std::size_t aCount) const
    {
        const std::chrono::steady_clock::time_point end = std::chrono::steady_clock::now() + std::chrono::seconds(2);
        while (myEmulator.bytesReceived().size() < aCount && std::chrono::steady_clock::now() < end)
        {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return wire(myEmulator.bytesReceived());
    }

    std::size_t pollsReceived() const { return occurrences(wire(myEmulator.bytesReceived()), bytes({0xFB, 0x82, 0x81})); }

    PortProfile myProfile;
    UnitEmulator myEmulator;
    Win32SerialPort myPort;
    std::unique_ptr<SerialDevice> myDevice;
    std::unique_ptr<SmpteProtocol> mySerial;
    std::unique_ptr<Protocol> myProtocol;
    std::unique_ptr<RetryProtocolDecorator> myRetry;
};

TEST_F(EmulatorExchangeTest, SetAndReadBackCrossesTheLineByteForByte)
{
    EXPECT_EQ(ParameterValue(1), myProtocol->setAndGetValue(ParameterId('B', 3), ParameterValue(1), 0));
    EXPECT_EQ(UnitEmulator::integer(1), myEmulator.value(address, 'B', 3));
    const ByteString expected = bytes({0xFB, 0x82, 0x80, 0x02, 0x04, 0x41, 0x03, 0x00, 0x01, 0xB7, 0xFB, 0x82, 0x81,
                                       0xFB, 0x82, 0x80, 0x02, 0x02, 0x42, 0x03, 0xB9, 0xFB, 0x82, 0x81,
                                       0xFB, 0x82, 0x80, 0x09, 0x04});
    EXPECT_EQ(expected, received(expected.size()));
}

TEST_F(EmulatorExchangeTest, ListRequestReadsAWholeGroupInOneAnswer)
{
    ParameterIdList ids;
    for (int index = 0; index < 17; ++index)
    {
        ids.push_back(ParameterId('C', index));
    }
    ids.push_back(ParameterId('B', 4));
    ParameterValueMap result;
    myRetry->getValues(ids, result);
    ASSERT_EQ(18u, result.size());
    EXPECT_EQ(ParameterValue(16 * 11), result[ParameterId('C', 16)]);
    EXPECT_EQ(ParameterValue(300), result[ParameterId('B', 4)]);
    EXPECT_EQ(2u, occurrences(wire(myEmulator.bytesReceived()), bytes({0xFB, 0x82, 0x80, 0x09})));
}

struct BusyCase
{
    int myCount;
    std::uint8_t myByte;
    std::size_t myPolls;
};

TEST_F(EmulatorExchangeTest, BusyUnitIsPolledUntilItIsDone)
{
    const BusyCase cases[] = {{3, 0x06, 4}, {3, 0x07, 4}, {UnitFault::forever, 0x07, 750}};
    for (const BusyCase& busy : cases)
    {
        myEmulator.clearLog();
        myEmulator.injectFault(address, UnitFault::busy(busy.myCount, busy.myByte));
        myProtocol->setValue(ParameterId('A', 4), ParameterValue(5), 0);
        EXPECT_EQ(busy.myPolls, pollsReceived()) << int(busy.myByte);
        myEmulator.clearFaults(address);
    }
    EXPECT_EQ(UnitEmulator::integer(5), myEmulator.value(address, 'B', 4));
}

TEST_F(EmulatorExchangeTest, BusyUnitBeforeAnAnswerIsWaitedFor)
{
    myEmulator.injectFault(address, UnitFault::busy(2));
    EXPECT_EQ(ParameterValue(300), myProtocol->getValue(ParameterId('B', 4)));
    EXPECT_EQ(3u, pollsReceived());
}

struct FaultCase
{
    UnitFault myFault;
    const char* myMessage;
};

TEST_F(EmulatorExchangeTest, EachFaultGivesItsMessageAndTheNextRequestWorks)
{
    const FaultCase cases[] = {
        {UnitFault::silent(), "No response when expecting an ACK."},
        {UnitFault::refuseAck(0x15), "The device returned 21 instead of ACK"},
        {UnitFault::garbage({0x33}), "The device returned 51 instead of ACK"},
        {UnitFault::pollAnswer(0x05), "The device returned 5 instead of 8"},
        {UnitFault::slow(std::chrono::milliseconds(300)), "No response when expecting an ACK."},
        {UnitFault::wrongStart(0x15), "The Smpte keyword is not STX"},
        {UnitFault::truncatedFrame(0), "The device didn't transmit after receiving authorization."},
        {UnitFault::truncatedFrame(1), "The message length is missing."},
        {UnitFault::truncatedFrame(5), "Some of the message data is missing."},
        {UnitFault::badChecksum(), "Incorrect checksum"},
    };
    for (const FaultCase& fault : cases)
    {
        myEmulator.injectFault(address, fault.myFault);
        try
        {
            mySerial->getValue(ParameterId('B', 4));
            ADD_FAILURE() << fault.myMessage << ": no failure";
        }
        catch (const ProtocolException& anError)
        {
            EXPECT_EQ(std::string(fault.myMessage), anError.what());
        }
        myEmulator.clearFaults(address);
        EXPECT_EQ(ParameterValue(300), mySerial->getValue(ParameterId('B', 4))) << fault.myMessage;
    }
}

TEST_F(EmulatorExchangeTest, RetryLayerRidesOverPassingFaults)
{
    myEmulator.injectFault(address, UnitFault::badChecksum(2));
    EXPECT_EQ(ParameterValue(7), myRetry->setAndGetValue(ParameterId('B', 3), ParameterValue(7), 0));
    // Three attempts, each writing the value again before reading it back.
    EXPECT_EQ(3u, occurrences(wire(myEmulator.bytesReceived()), bytes({0x02, 0x04, 0x41, 0x03, 0x00, 0x07})));

    // Trailing bytes after an answer upset the next exchange once; the drain
    // and the retry bring the line back in step.
    myEmulator.injectFault(address, UnitFault::overlongFrame({0x04, 0x08, 0x06}));
    EXPECT_EQ(ParameterValue(300), myRetry->getValue(ParameterId('B', 4)));
    EXPECT_EQ(ParameterValue(7), myRetry->getValue(ParameterId('B', 3)));
}

TEST_F(EmulatorExchangeTest, StatusPollAnswers)
{
    EXPECT_EQ("Ok", myRetry->getStatus().name());
    myEmulator.injectFault(address, UnitFault::busy(1));
    EXPECT_EQ("Busy", myRetry->getStatus().name());
    myEmulator.injectFault(address, UnitFault::pollAnswer(0x07));
    EXPECT_EQ("Error", myRetry->getStatus().name());
    myEmulator.injectFault(address, UnitFault::silent());
    EXPECT_EQ("Not Responding", myRetry->getStatus().name());
    EXPECT_TRUE(myRetry->getStatus().isOk());
}

TEST_F(EmulatorExchangeTest, HungUpLineFailsWithoutHangingAndPollsAsNotOk)
{
    myEmulator.injectFault(address, UnitFault::hangUp());
    EXPECT_THROW(myRetry->getValue(ParameterId('B', 4)), VornaException);
    EXPECT_FALSE(myRetry->getStatus().isOk());
    EXPECT_THROW(myRetry->setValue(ParameterId('A', 4), ParameterValue(1), 0), VornaException);
}

TEST_F(EmulatorExchangeTest, UnitsAtSeveralAddressesShareOneLine)
{
    myEmulator.addUnit(0x12FF, {{{'B', 3}, UnitEmulator::integer(42)}});
    SmpteProtocol other(0x12FF, myDevice.get());
    Kq310SmpteProtocol third(0x0001, myDevice.get());
    myEmulator.addUnit(0x0001, {{{'B', 3}, UnitEmulator::integer(-2)}});

    EXPECT_EQ(ParameterValue(42), other.getValue(ParameterId('B', 3)));
    EXPECT_EQ(ParameterValue(-2), third.getValue(ParameterId('B', 3)));
    EXPECT_EQ(ParameterValue(0), mySerial->getValue(ParameterId('B', 3)));
    EXPECT_EQ(ParameterValue(9), other.setAndGetValue(ParameterId('B', 3), ParameterValue(9), 0));
    EXPECT_EQ(ParameterValue(0), mySerial->getValue(ParameterId('B', 3)));
    EXPECT_EQ(UnitEmulator::integer(9), myEmulator.value(0x12FF, 'B', 3));
    EXPECT_EQ(UnitEmulator::integer(-2), myEmulator.value(0x0001, 'B', 3));
}

TEST_F(EmulatorExchangeTest, PortIsSharedByCount)
{
    // A second device on the same port counts one more opening of its line.
    myPort.open(port, Platform::LineSettings(38400));
    EXPECT_EQ("Tried to re-open a port at a different baud rate.",
              failure([this] { myPort.open(port, Platform::LineSettings(9600)); }));
    myPort.close();
    EXPECT_TRUE(myPort.isOpen(nullptr));
    EXPECT_EQ(ParameterValue(300), myProtocol->getValue(ParameterId('B', 4)));
    myPort.close();
    EXPECT_FALSE(myPort.isOpen(nullptr));
    EXPECT_EQ("Error sending serial data.", failure([this] { myProtocol->getValue(ParameterId('B', 4)); }));
    EXPECT_EQ("Error", myProtocol->getStatus().name());
}

TEST_F(EmulatorExchangeTest, LongestTextValueGoesOutAndComesBack)
{
    const ParameterValue name(std::string(251, 'p'));
    EXPECT_EQ(name, myProtocol->setAndGetValue(ParameterId('e', 1), name, 0));
    EXPECT_THROW(myProtocol->setAndGetValue(ParameterId('e', 1), ParameterValue(std::string(252, 'p')), 0),
                 VornaException);
}
}
