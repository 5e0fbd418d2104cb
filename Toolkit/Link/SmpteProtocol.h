#pragma once

#include "Toolkit/Parameter/ByteString.h"
#include "Toolkit/Parameter/ProtocolImplementation.h"

#include <cstdint>
#include <string>

class SerialDevice;
class SmpteMessage;

// The framed remote-control protocol to one unit on a shared serial line.
// The computer is the master: it selects the unit before sending it a frame,
// polls it for its state, acknowledges what it receives and authorises the
// unit before it may send an answer. Each call is a complete exchange; a
// failure drains the line and throws ProtocolException.
class SmpteProtocol : public ProtocolImplementation
{
public:
    static constexpr unsigned char prefix = 0xFB;
    static constexpr unsigned char ack = 0x04;
    static constexpr unsigned char errorAnswer = 0x05;
    static constexpr unsigned char busyAnswer = 0x06;        // poll again after a pause
    static constexpr unsigned char busyAgainAnswer = 0x07;   // poll again at once
    static constexpr unsigned char readyAnswer = 0x08;
    static constexpr unsigned char authorization = 0x09;

    static constexpr std::uint32_t readTimeout = 200;   // ms, every read on a line to the units
    static constexpr std::uint32_t busyPollLimit = 750;
    static constexpr std::uint32_t busyPause = 20;      // ms after a busy answer

    // Throws ProtocolException "NULL serial device." when aDevice is nullptr.
    // Sets the read time-out and reads away what the line holds.
    SmpteProtocol(std::uint16_t aDeviceAddress, SerialDevice* aDevice);

    // Never throws: a silent unit is "Not Responding", a failing port "Error".
    DeviceStatus getStatus() override;
    // Sends the value under anId as it is, waits aSettleTime ms and then for
    // the unit to finish.
    void setValue(const ParameterId& anId, const ParameterValue& aValue, std::uint32_t aSettleTime) override;
    // An answer without an entry for anId gives the integer 0.
    ParameterValue getValue(const ParameterId& anId) override;
    void getValues(const std::vector<ParameterId>& aRequested, ParameterValueMap& aResult) override;

protected:
    // Waits aMilliseconds on the clock, letting the idle callback run.
    void wait(std::uint32_t aMilliseconds);

private:
    void sendPrefix();
    void select();
    void poll();
    void authorize();
    void sendAck();
    void expectAck();
    void sendFrameExpectAck(const SmpteMessage& aMessage);
    void expectPollAnswer(unsigned char anExpected);
    void waitWhileBusy();
    void drain();
    // Sends a request frame and decodes the unit's answer into aValues.
    void request(const SmpteMessage& aRequest, ParameterValueMap& aValues);
    void writeBytes(const ByteString& aBytes);
    [[nodiscard]] bool readByte(unsigned char& aByte);
    [[noreturn]] void throwProtocolException(const std::string& aMessage);

    ByteString mySelect;
    ByteString myPoll;
    SerialDevice* myDevice;
};
