#pragma once

#include "Toolkit/Parameter/ByteString.h"

#include <cstddef>
#include <string>

class ParameterId;
class SerialDevice;

// One frame: STX, the length byte and the data. The checksum is not kept: the
// writer appends it to what it sends, the reader checks and drops it. While a
// message is built its length byte is 0; the writer fills it in.
class SmpteMessage
{
public:
    static constexpr unsigned char stx = 0x02;
    // The most data bytes that one length byte can announce.
    static constexpr std::size_t maximumDataLength = 255;

    SmpteMessage() = default;

    // The first id of a message writes its group and index; later ids add
    // their index only, so all ids of one message share the first one's group.
    void appendId(const ParameterId& anId);

    // Sends the message as one frame with its length and checksum; a message
    // of more data than one frame holds is refused with VornaException.
    void writeFrame(SerialDevice& aDevice) const;
    // Builds a message from the next frame that aDevice delivers; throws
    // ProtocolException, after draining the line, when the frame is missing,
    // incomplete or corrupt.
    static SmpteMessage readFrame(SerialDevice& aDevice);

    // 0 minus the sum of every byte after the STX, modulo 256.
    unsigned char checksum() const;

    const ByteString& data() const;

    // Throws ProtocolException with aMessage after reading away what the line
    // still holds, so that the next exchange starts on a quiet line.
    [[noreturn]] static void throwProtocolException(SerialDevice& aDevice, const std::string& aMessage);

protected:
    explicit SmpteMessage(const ByteString& aData);

    ByteString myData{stx, 0x00};
};
