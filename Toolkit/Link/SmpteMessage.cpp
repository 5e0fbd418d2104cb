#include "Toolkit/Link/SmpteMessage.h"

#include "Toolkit/Link/SerialDevice.h"
#include "Toolkit/Parameter/ParameterId.h"
#include "Toolkit/Parameter/ProtocolException.h"
#include "Toolkit/Parameter/VornaException.h"

#include <numeric>

namespace
{
// What a failed exchange reads away before it reports.
const std::uint32_t drainCount = 256;
}

SmpteMessage::SmpteMessage(const ByteString& aData)
    : myData(aData)
{
}

void SmpteMessage::appendId(const ParameterId& anId)
{
    if (myData.size() <= 2)
    {
        anId.appendTo(&myData);
    }
    else
    {
        anId.appendIndexTo(&myData);
    }
}

unsigned char SmpteMessage::checksum() const
{
    const unsigned sum = std::accumulate(myData.begin() + (myData.empty() ? 0 : 1), myData.end(), 0u);
    return static_cast<unsigned char>(0u - sum);
}

void SmpteMessage::writeFrame(SerialDevice& aDevice) const
{
    // One length byte announces at most 255 data bytes; a longer message
    // would reach the unit with a wrapped length.
    if (myData.size() < 2 || myData.size() - 2 > maximumDataLength)
    {
        throw VornaException("The message is too long to send to the device.");
    }
    SmpteMessage frame(*this);
    frame.myData[1] = static_cast<unsigned char>(frame.myData.size() - 2);
    frame.myData.push_back(frame.checksum());
    aDevice.write(frame.myData.data(), static_cast<std::uint32_t>(frame.myData.size()));
}

SmpteMessage SmpteMessage::readFrame(SerialDevice& aDevice)
{
    unsigned char keyword = 0;
    if (aDevice.read(&keyword, 1) != 1)
    {
        throwProtocolException(aDevice, "The device didn't transmit after receiving authorization.");
    }
    if (keyword != stx)
    {
        throwProtocolException(aDevice, "The Smpte keyword is not STX");
    }
    unsigned char length = 0;
    if (aDevice.read(&length, 1) != 1)
    {
        throwProtocolException(aDevice, "The message length is missing.");
    }
    // The data and the checksum, in one read. Up to 256 bytes take longer on
    // a slow line than the read time-out, so they get their wire time on top.
    ByteString rest(std::size_t(length) + 1, 0);
    if (aDevice.readBlock(&rest[0], static_cast<std::uint32_t>(rest.size())) != rest.size())
    {
        throwProtocolException(aDevice, "Some of the message data is missing.");
    }
    const unsigned char received = rest.back();
    rest.pop_back();
    SmpteMessage message(ByteString{stx, length} + rest);
    if (message.checksum() != received)
    {
        throwProtocolException(aDevice, "Incorrect checksum");
    }
    return message;
}

const ByteString& SmpteMessage::data() const
{
    return myData;
}

void SmpteMessage::throwProtocolException(SerialDevice& aDevice, const std::string& aMessage)
{
    unsigned char pending[drainCount];
    aDevice.read(pending, drainCount);
    throw ProtocolException(aMessage);
}
