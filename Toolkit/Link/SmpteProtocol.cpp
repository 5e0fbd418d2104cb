#include "Toolkit/Link/SmpteProtocol.h"

#include "Platform/SteadyWait.h"
#include "Toolkit/Link/SerialDevice.h"
#include "Toolkit/Link/SmpteMessage.h"
#include "Toolkit/Link/ValueListRequest.h"
#include "Toolkit/Link/ValueMessage.h"
#include "Toolkit/Parameter/BusyStatus.h"
#include "Toolkit/Parameter/ErrorStatus.h"
#include "Toolkit/Parameter/NotRespondingStatus.h"
#include "Toolkit/Parameter/OkStatus.h"
#include "Toolkit/Parameter/ProtocolException.h"
#include "Toolkit/Parameter/VornaException.h"

#include <cstddef>

namespace
{
// What construction reads away so that the first exchange starts on a quiet line.
const std::uint32_t startDrainCount = 500;
}

SmpteProtocol::SmpteProtocol(std::uint16_t aDeviceAddress, SerialDevice* aDevice)
    : myDevice(aDevice)
{
    if (aDevice == nullptr)
    {
        throw ProtocolException("NULL serial device.");
    }
    myDevice->setTimeouts(readTimeout);
    drain();
    const unsigned char high = static_cast<unsigned char>(aDeviceAddress >> 8);
    const unsigned char low = static_cast<unsigned char>(aDeviceAddress & 0xFF);
    mySelect = ByteString{high, low};
    // Units expect the poll address without a carry: 0x82FF polls as 82 00.
    myPoll = ByteString{high, static_cast<unsigned char>(low + 1)};
}

void SmpteProtocol::drain()
{
    unsigned char pending[startDrainCount];
    myDevice->read(pending, startDrainCount);
}

void SmpteProtocol::writeBytes(const ByteString& aBytes)
{
    myDevice->write(aBytes.data(), static_cast<std::uint32_t>(aBytes.size()));
}

bool SmpteProtocol::readByte(unsigned char& aByte)
{
    return myDevice->read(&aByte, 1) == 1;
}

void SmpteProtocol::throwProtocolException(const std::string& aMessage)
{
    SmpteMessage::throwProtocolException(*myDevice, aMessage);
}

void SmpteProtocol::sendPrefix()
{
    writeBytes(ByteString(1, prefix));
}

void SmpteProtocol::select()
{
    // A close asked for meanwhile ends the exchange here, between two messages.
    Platform::SteadyWait::checkpoint();
    sendPrefix();
    writeBytes(mySelect);
}

void SmpteProtocol::poll()
{
    Platform::SteadyWait::checkpoint();
    sendPrefix();
    writeBytes(myPoll);
}

void SmpteProtocol::authorize()
{
    select();
    writeBytes(ByteString(1, authorization));
}

void SmpteProtocol::sendAck()
{
    writeBytes(ByteString(1, ack));
}

void SmpteProtocol::expectAck()
{
    unsigned char answer = 0;
    if (!readByte(answer))
    {
        throwProtocolException("No response when expecting an ACK.");
    }
    if (answer != ack)
    {
        throwProtocolException("The device returned " + std::to_string(unsigned(answer)) + " instead of ACK");
    }
}

void SmpteProtocol::sendFrameExpectAck(const SmpteMessage& aMessage)
{
    select();
    aMessage.writeFrame(*myDevice);
    expectAck();
}

void SmpteProtocol::wait(std::uint32_t aMilliseconds)
{
    Platform::SteadyWait::wait(aMilliseconds, [this] { idle(); });
}

void SmpteProtocol::waitWhileBusy()
{
    bool answered = true;
    unsigned char answer = busyAnswer;
    std::uint32_t rounds = 0;
    while (answered && (answer == busyAnswer || answer == busyAgainAnswer) && rounds < busyPollLimit)
    {
        poll();
        answered = readByte(answer);
        if (answered && answer == busyAnswer)
        {
            wait(busyPause);
        }
        ++rounds;
    }
    // Silence after a busy answer ends the wait quietly, as silence always
    // does: only a unit whose last answer was busy is stuck.
    if (answered && answer == busyAnswer)
    {
        throwProtocolException("The device seems to be stuck in the busy state.");
    }
}

void SmpteProtocol::expectPollAnswer(unsigned char anExpected)
{
    unsigned char answer = busyAnswer;
    std::uint32_t rounds = 0;
    while ((answer == busyAnswer || answer == busyAgainAnswer) && rounds < busyPollLimit)
    {
        poll();
        if (!readByte(answer))
        {
            throwProtocolException("There was no response to a poll.");
        }
        if (answer == busyAnswer)
        {
            wait(busyPause);
        }
        ++rounds;
    }
    if (answer != anExpected)
    {
        throwProtocolException("The device returned " + std::to_string(unsigned(answer)) + " instead of " +
                               std::to_string(unsigned(anExpected)));
    }
}

DeviceStatus SmpteProtocol::getStatus()
{
    try
    {
        poll();
        unsigned char answer = 0;
        if (!readByte(answer))
        {
            return NotRespondingStatus();
        }
        switch (answer)
        {
        case ack:
            return OkStatus();
        case busyAnswer:
            return BusyStatus();
        default:
            return ErrorStatus();
        }
    }
    catch (const VornaException&)
    {
        return ErrorStatus();
    }
}

void SmpteProtocol::setValue(const ParameterId& anId, const ParameterValue& aValue, std::uint32_t aSettleTime)
{
    const ValueMessage message(anId, aValue);
    sendFrameExpectAck(message);
    wait(aSettleTime);
    waitWhileBusy();
}

void SmpteProtocol::request(const SmpteMessage& aRequest, ParameterValueMap& aValues)
{
    sendFrameExpectAck(aRequest);
    expectPollAnswer(readyAnswer);
    authorize();
    const ValueMessage answer(SmpteMessage::readFrame(*myDevice));
    sendAck();
    try
    {
        answer.decode(aValues);
    }
    catch (const ProtocolException& anError)
    {
        // An intact frame too short to hold a value fails like any other bad
        // answer: after reading away what follows it.
        throwProtocolException(anError.what());
    }
}

ParameterValue SmpteProtocol::getValue(const ParameterId& anId)
{
    SmpteMessage message;
    message.appendId(anId);
    ParameterValueMap values;
    request(message, values);
    const ParameterValueMap::const_iterator found = values.find(anId);
    return found != values.end() ? found->second : ParameterValue(0);
}

void SmpteProtocol::getValues(const std::vector<ParameterId>& aRequested, ParameterValueMap& aResult)
{
    const ValueListRequest requests(aRequested);
    for (const ValueListRequest::Messages::value_type& entry : requests)
    {
        request(entry.second, aResult);
    }
}
