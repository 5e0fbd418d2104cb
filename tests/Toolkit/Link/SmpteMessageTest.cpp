#include "Toolkit/Link/SerialDevice.h"
#include "Toolkit/Link/SmpteMessage.h"
#include "Toolkit/Link/ValueListRequest.h"
#include "Toolkit/Link/ValueMessage.h"
#include "Toolkit/Parameter/ParameterId.h"
#include "Toolkit/Parameter/ParameterValue.h"
#include "Toolkit/Parameter/ProtocolException.h"
#include "Toolkit/Parameter/VornaException.h"

#include "FakeSerialDevice.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

namespace
{
// A frame on the wire around aData, with the checksum worked out here.
ByteString frameOf(const ByteString& aData)
{
    ByteString frame{0x02, static_cast<unsigned char>(aData.size())};
    frame += aData;
    unsigned sum = 0;
    for (std::size_t i = 1; i < frame.size(); ++i)
    {
        sum += frame[i];
    }
    frame.push_back(static_cast<unsigned char>(0x100 - (sum & 0xFF)));
    return frame;
}

class FrameTest : public ::testing::Test
{
protected:
    FrameTest() : myDevice(&myLine) {}

    ByteString sent(const SmpteMessage& aMessage)
    {
        myLine.clearWritten();
        aMessage.writeFrame(myDevice);
        return myLine.written();
    }

    std::string readFailure()
    {
        try
        {
            SmpteMessage::readFrame(myDevice);
        }
        catch (const ProtocolException& anError)
        {
            return anError.what();
        }
        return "no error";
    }

    ParameterValueMap decoded(const ByteString& aFrame)
    {
        myLine.answer(aFrame);
        ParameterValueMap values;
        ValueMessage(SmpteMessage::readFrame(myDevice)).decode(values);
        return values;
    }

    FakeSerialDevice myLine;
    SerialDevice myDevice;
};

struct SetCase
{
    ParameterId myId;
    ParameterValue myValue;
    ByteString myFrame;
};

TEST_F(FrameTest, SetMessagesUsePlainEntriesForTwoBytesAndExtendedEntriesOtherwise)
{
    const SetCase cases[] = {
        {ParameterId('A', 3), ParameterValue(1), bytes({0x02, 0x04, 0x41, 0x03, 0x00, 0x01, 0xB7})},
        {ParameterId('B', 3), ParameterValue(ByteString()), bytes({0x02, 0x04, 0x42, 0xFF, 0x03, 0x00, 0xB8})},
        {ParameterId('E', 1), ParameterValue(bytes({0x07})), bytes({0x02, 0x05, 0x45, 0xFF, 0x01, 0x01, 0x07, 0xAE})},
        {ParameterId('d', 0), ParameterValue(std::string("ab")), bytes({0x02, 0x04, 0x64, 0x00, 0x61, 0x62, 0xD5})},
        {ParameterId('G', 2), ParameterValue(bytes({1, 2, 3})), frameOf(bytes({0x47, 0xFF, 0x02, 0x03, 1, 2, 3}))},
        {ParameterId('`', -1), ParameterValue(std::string("KQ350 ")),
         frameOf(bytes({0x60, 0xFF, 0xFF, 0x06, 'K', 'Q', '3', '5', '0', ' '}))},
    };
    for (const SetCase& set : cases)
    {
        EXPECT_EQ(set.myFrame, sent(ValueMessage(set.myId, set.myValue))) << set.myId;
    }
}

TEST_F(FrameTest, BuildingLeavesTheLengthForTheWriter)
{
    const ValueMessage message(ParameterId('A', 3), ParameterValue(1));
    EXPECT_EQ(bytes({0x02, 0x00, 0x41, 0x03, 0x00, 0x01}), message.data());
    sent(message);
    EXPECT_EQ(bytes({0x02, 0x00, 0x41, 0x03, 0x00, 0x01}), message.data());
    // The message as built still counts its placeholder length of 0.
    EXPECT_EQ(0xBB, message.checksum());
}

TEST_F(FrameTest, LongestValueFillsTheFrameAndALongerOneIsRefusedBeforeSending)
{
    const ParameterValue longest(std::string(ValueMessage::maximumValueLength, 'x'));
    const ByteString frame = sent(ValueMessage(ParameterId('d', 1), longest));
    ASSERT_EQ(2u + 255u + 1u, frame.size());
    EXPECT_EQ(0xFF, frame[1]);
    EXPECT_EQ(251, frame[5]);

    myLine.clearWritten();
    const ParameterValue tooLong(std::string(ValueMessage::maximumValueLength + 1, 'x'));
    EXPECT_THROW(ValueMessage(ParameterId('d', 1), tooLong), VornaException);
    EXPECT_TRUE(myLine.written().empty());
}

TEST_F(FrameTest, MessageLongerThanAFrameIsNeverSent)
{
    SmpteMessage request;
    // The group byte and 254 indexes fill the frame.
    for (int index = 0; index < 254; ++index)
    {
        request.appendId(ParameterId('C', index));
    }
    EXPECT_EQ(0xFF, sent(request)[1]);
    request.appendId(ParameterId('C', 0));
    myLine.clearWritten();
    EXPECT_THROW(request.writeFrame(myDevice), VornaException);
    EXPECT_TRUE(myLine.written().empty());
}

TEST_F(FrameTest, ReadsAFrameAndDropsItsChecksum)
{
    myLine.answer({0x02, 0x02, 0x42, 0x05, 0xB7});
    const SmpteMessage message = SmpteMessage::readFrame(myDevice);
    EXPECT_EQ(bytes({0x02, 0x02, 0x42, 0x05}), message.data());
    // Length byte, then data and checksum in one read.
    EXPECT_THAT(myLine.reads(), ::testing::ElementsAre(1u, 1u, 3u));
}

struct FaultCase
{
    const char* myName;
    std::initializer_list<int> myBytes;
    bool mySilenceAfter;
    const char* myMessage;
};

TEST_F(FrameTest, EachFrameFaultHasItsMessageAndDrainsTheLine)
{
    const FaultCase cases[] = {
        {"silence", {}, true, "The device didn't transmit after receiving authorization."},
        {"NAK instead of STX", {0x15, 0x33, 0x44}, false, "The Smpte keyword is not STX"},
        {"no length", {0x02}, true, "The message length is missing."},
        {"short data", {0x02, 0x05, 0x42, 0x01}, true, "Some of the message data is missing."},
        {"checksum", {0x02, 0x02, 0x42, 0x05, 0xB8}, false, "Incorrect checksum"},
    };
    for (const FaultCase& fault : cases)
    {
        myLine.answer(fault.myBytes);
        if (fault.mySilenceAfter)
        {
            myLine.silence();
        }
        myLine.answer({0x77, 0x88, 0x99});  // noise still on the line
        EXPECT_EQ(fault.myMessage, readFailure()) << fault.myName;
        EXPECT_EQ(256u, myLine.reads().back()) << fault.myName;
        EXPECT_EQ(0u, myLine.pending()) << fault.myName;
    }
}

TEST_F(FrameTest, DecodesPlainAndExtendedEntriesAndIgnoresTrailingBytes)
{
    EXPECT_EQ((ParameterValueMap{{ParameterId('C', 1), ParameterValue(0x0010)}}),
              decoded(frameOf(bytes({0x43, 0x01, 0x00, 0x10, 0x02, 0xFF}))));
    EXPECT_EQ((ParameterValueMap{{ParameterId('C', 1), ParameterValue(0x0010)},
                                 {ParameterId('C', 2), ParameterValue(bytes({0xFF, 0xFF}))}}),
              decoded(frameOf(bytes({0x43, 0x01, 0x00, 0x10, 0x02, 0xFF, 0xFF}))));
    EXPECT_EQ((ParameterValueMap{{ParameterId(0xF8, 0), ParameterValue(std::string("KQ350"))},
                                 {ParameterId(0xF8, 1), ParameterValue(ByteString())},
                                 {ParameterId(0xF8, 2), ParameterValue(0x0103)}}),
              decoded(frameOf(bytes({0xF8, 0xFF, 0x00, 0x05, 'K', 'Q', '3', '5', '0', 0xFF, 0x01, 0x00, 0x02, 0x01,
                                     0x03}))));
}

TEST_F(FrameTest, DecodingKeepsTheLastValueOfAnIdAndNeverReadsPastTheFrame)
{
    EXPECT_EQ((ParameterValueMap{{ParameterId('I', 4), ParameterValue(2)}}),
              decoded(frameOf(bytes({0x49, 0x04, 0x00, 0x01, 0x04, 0x00, 0x02}))));
    // An extended entry claiming more bytes than the frame holds keeps those there are.
    EXPECT_EQ((ParameterValueMap{{ParameterId('d', 3), ParameterValue(std::string("ab"))}}),
              decoded(frameOf(bytes({0x64, 0xFF, 0x03, 0x10, 'a', 'b'}))));
    EXPECT_EQ((ParameterValueMap{{ParameterId('d', 3), ParameterValue(ByteString())}}),
              decoded(frameOf(bytes({0x64, 0xFF, 0x03, 0xFF}))));
}

TEST_F(FrameTest, AnswerTooShortForAnEntryIsAProtocolError)
{
    const ByteString shortAnswers[] = {ByteString(), bytes({0x42}), bytes({0x42, 0x03}), bytes({0x42, 0x03, 0x00})};
    for (const ByteString& data : shortAnswers)
    {
        myLine.answer(frameOf(data));
        const ValueMessage answer(SmpteMessage::readFrame(myDevice));
        ParameterValueMap values;
        EXPECT_THROW(answer.decode(values), ProtocolException) << data.size() << " data bytes";
        EXPECT_TRUE(values.empty());
    }
}

TEST_F(FrameTest, RequestsTakeTheGroupOfTheFirstId)
{
    SmpteMessage request;
    request.appendId(ParameterId('I', 0));
    request.appendId(ParameterId('I', 2));
    request.appendId(ParameterId('I', -1));
    EXPECT_EQ(bytes({0x02, 0x00, 0x49, 0x00, 0x02, 0xFF}), request.data());
}

TEST_F(FrameTest, ListRequestsHoldOneFramePerGroupInSignedGroupOrder)
{
    const ValueListRequest request({ParameterId('I', 0), ParameterId('F', 1), ParameterId('I', 2)});
    ASSERT_EQ(2u, request.size());
    ByteString wire;
    for (const ValueListRequest::Messages::value_type& entry : request)
    {
        wire += sent(entry.second);
    }
    EXPECT_EQ(bytes({0x02, 0x02, 0x46, 0x01, 0xB7, 0x02, 0x03, 0x49, 0x00, 0x02, 0xB2}), wire);

    const ValueListRequest groups({ParameterId(0x40, 0), ParameterId('b', 1), ParameterId(0xF8, 2)});
    std::vector<int> order;
    for (const ValueListRequest::Messages::value_type& entry : groups)
    {
        order.push_back(entry.second.data()[2]);
    }
    EXPECT_EQ((std::vector<int>{0xF8, 0x40, 0x62}), order);
}

TEST_F(FrameTest, ListRequestRefusesMoreIdsOfOneGroupThanAFrameCanName)
{
    ParameterIdList ids;
    for (int i = 0; i < 254; ++i)
    {
        ids.push_back(ParameterId('C', i));
        ids.push_back(ParameterId('B', i));
    }
    const ValueListRequest full(ids);
    for (const ValueListRequest::Messages::value_type& entry : full)
    {
        EXPECT_EQ(0xFF, sent(entry.second)[1]);
    }
    ids.push_back(ParameterId('C', 0));
    EXPECT_THROW(ValueListRequest request(ids), VornaException);
}
}
