#include "Toolkit/Link/ProtocolDecorator.h"
#include "Toolkit/Link/SerialDevice.h"

#include "FakeSerialDevice.h"

#include <gtest/gtest.h>

namespace
{
TEST(SerialDeviceTest, ForwardsToItsImplementation)
{
    FakeSerialDevice line;
    SerialDevice device(&line);
    device.setTimeouts(120);
    EXPECT_EQ(120u, line.timeout());
    const unsigned char sent[] = {0xFB, 0x82, 0x80};
    device.write(sent, 3);
    EXPECT_EQ(bytes({0xFB, 0x82, 0x80}), line.written());
    line.answer({0x04, 0x08, 0x02});
    unsigned char received[5] = {0};
    EXPECT_EQ(3u, device.read(received, 5));
    EXPECT_EQ(0x08, received[1]);
    EXPECT_EQ(0u, device.read(received, 1));
}

TEST(SerialDeviceDeathTest, NullArgumentsAreProgrammingErrors)
{
    EXPECT_DEATH(SerialDevice device(nullptr), "anImplementation != NULL");
    EXPECT_DEATH(ProtocolDecorator decorator(nullptr), "aProtocol != NULL");
}
}
