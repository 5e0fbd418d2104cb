#include "Platform/WaitCursor.h"
#include "Toolkit/Link/ProtocolDecorator.h"
#include "Toolkit/Link/RetryProtocolDecorator.h"
#include "Toolkit/Link/SerialDevice.h"
#include "Toolkit/Link/SmpteProtocol.h"
#include "Toolkit/Link/WaitCursorProtocolDecorator.h"
#include "Toolkit/Parameter/ErrorStatus.h"
#include "Toolkit/Parameter/IdleCallback.h"
#include "Toolkit/Parameter/NotRespondingStatus.h"
#include "Toolkit/Parameter/Protocol.h"
#include "Toolkit/Parameter/ProtocolException.h"
#include "Toolkit/Parameter/VornaException.h"

#include "FakeSerialDevice.h"
#include "VirtualTime.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
using ::testing::_;
using ::testing::Invoke;
using ::testing::InSequence;
using ::testing::Return;
using ::testing::Throw;

class MockProtocol : public AbstractProtocol
{
public:
    MOCK_METHOD(DeviceStatus, getStatus, (), (override));
    MOCK_METHOD(void, setIdleCallback, (IdleCallback*), (override));
    MOCK_METHOD(void, setValue, (const ParameterId&, const ParameterValue&, std::uint32_t), (override));
    MOCK_METHOD(ParameterValue, getValue, (const ParameterId&), (override));
    MOCK_METHOD(void, getValues, (const std::vector<ParameterId>&, ParameterValueMap&), (override));
    MOCK_METHOD(ParameterValue, setAndGetValue, (const ParameterId&, const ParameterValue&, std::uint32_t),
                (override));
};

class NoIdle : public IdleCallback
{
public:
    void onIdle() override {}
};

const ParameterId someId('B', 3);

TEST(ProtocolDecoratorTest, ForwardsEveryOperationWithItsArgumentsAndResult)
{
    MockProtocol inner;
    ProtocolDecorator decorator(&inner);
    NoIdle idle;
    EXPECT_CALL(inner, getStatus()).WillOnce(Return(ErrorStatus()));
    EXPECT_CALL(inner, setIdleCallback(&idle));
    EXPECT_CALL(inner, setValue(someId, ParameterValue(7), 30u));
    EXPECT_CALL(inner, getValue(someId)).WillOnce(Return(ParameterValue(9)));
    EXPECT_CALL(inner, getValues(std::vector<ParameterId>{someId}, _))
        .WillOnce(Invoke([](const std::vector<ParameterId>&, ParameterValueMap& aResult) {
            aResult[someId] = ParameterValue(4);
        }));
    EXPECT_CALL(inner, setAndGetValue(someId, ParameterValue(5), 0u)).WillOnce(Return(ParameterValue(6)));

    EXPECT_EQ("Error", decorator.getStatus().name());
    decorator.setIdleCallback(&idle);
    decorator.setValue(someId, ParameterValue(7), 30);
    EXPECT_EQ(ParameterValue(9), decorator.getValue(someId));
    ParameterValueMap result;
    decorator.getValues({someId}, result);
    EXPECT_EQ((ParameterValueMap{{someId, ParameterValue(4)}}), result);
    EXPECT_EQ(ParameterValue(6), decorator.setAndGetValue(someId, ParameterValue(5), 0));
}

struct RetryCase
{
    std::uint32_t myLimit;
    int myFailures;      // before the first success
    int myAttempts;      // expected calls
    bool mySucceeds;
};

class RetryTest : public ::testing::TestWithParam<RetryCase>
{
};

TEST_P(RetryTest, RepeatsProtocolFailuresUpToTheLimitAndPassesTheLastOne)
{
    const RetryCase retry = GetParam();
    MockProtocol inner;
    RetryProtocolDecorator decorator(&inner, retry.myLimit);
    int calls = 0;
    EXPECT_CALL(inner, setAndGetValue(someId, ParameterValue(1), 0u))
        .Times(retry.myAttempts)
        .WillRepeatedly(Invoke([&calls, &retry](const ParameterId&, const ParameterValue&, std::uint32_t) {
            ++calls;
            if (calls <= retry.myFailures)
            {
                throw ProtocolException("attempt " + std::to_string(calls));
            }
            return ParameterValue(calls);
        }));
    if (retry.mySucceeds)
    {
        EXPECT_EQ(ParameterValue(retry.myAttempts), decorator.setAndGetValue(someId, ParameterValue(1), 0));
    }
    else
    {
        try
        {
            decorator.setAndGetValue(someId, ParameterValue(1), 0);
            FAIL() << "no failure reached the caller";
        }
        catch (const ProtocolException& anError)
        {
            EXPECT_EQ("attempt " + std::to_string(retry.myAttempts), anError.what());
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Limits, RetryTest,
                         ::testing::Values(RetryCase{5, 4, 5, true}, RetryCase{5, 5, 5, false},
                                           RetryCase{5, 0, 1, true}, RetryCase{1, 1, 1, false},
                                           RetryCase{0, 1, 1, false}, RetryCase{0, 0, 1, true}));

TEST(RetryProtocolDecoratorTest, EveryReadAndWriteIsRetried)
{
    MockProtocol inner;
    RetryProtocolDecorator decorator(&inner, 2);
    {
        InSequence order;
        EXPECT_CALL(inner, setValue(someId, ParameterValue(1), 5u)).WillOnce(Throw(ProtocolException("x")));
        EXPECT_CALL(inner, setValue(someId, ParameterValue(1), 5u));
        EXPECT_CALL(inner, getValue(someId)).WillOnce(Throw(ProtocolException("x")));
        EXPECT_CALL(inner, getValue(someId)).WillOnce(Return(ParameterValue(3)));
    }
    decorator.setValue(someId, ParameterValue(1), 5);
    EXPECT_EQ(ParameterValue(3), decorator.getValue(someId));
}

TEST(RetryProtocolDecoratorTest, OtherErrorsPassAfterOneAttempt)
{
    MockProtocol inner;
    RetryProtocolDecorator decorator(&inner, 5);
    EXPECT_CALL(inner, setValue(_, _, _)).WillOnce(Throw(VornaException("Error sending serial data.")));
    EXPECT_THROW(decorator.setValue(someId, ParameterValue(1), 0), VornaException);
}

TEST(RetryProtocolDecoratorTest, StatusPollIsNotRetried)
{
    MockProtocol inner;
    RetryProtocolDecorator decorator(&inner, 5);
    EXPECT_CALL(inner, getStatus()).WillOnce(Return(NotRespondingStatus()));
    EXPECT_EQ("Not Responding", decorator.getStatus().name());
}

TEST(RetryProtocolDecoratorTest, ListRetryStartsFromTheMapAsGiven)
{
    MockProtocol inner;
    RetryProtocolDecorator decorator(&inner, 5);
    const ParameterId asked('I', 1);
    const ParameterId stray('I', 9);
    {
        InSequence order;
        EXPECT_CALL(inner, getValues(_, _))
            .WillOnce(Invoke([&](const std::vector<ParameterId>&, ParameterValueMap& aResult) {
                aResult[stray] = ParameterValue(1);
                throw ProtocolException("The device returned some unasked for parameters");
            }));
        EXPECT_CALL(inner, getValues(_, _))
            .WillOnce(Invoke([&](const std::vector<ParameterId>&, ParameterValueMap& aResult) {
                EXPECT_TRUE(aResult.empty());
                aResult[asked] = ParameterValue(2);
            }));
    }
    ParameterValueMap result;
    decorator.getValues({asked}, result);
    EXPECT_EQ((ParameterValueMap{{asked, ParameterValue(2)}}), result);
}

class WaitCursorDecoratorTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(0u, Platform::WaitCursor::depth());
        Platform::WaitCursor::setHook([this](bool aShown) { myChanges.push_back(aShown); });
    }
    void TearDown() override { Platform::WaitCursor::setHook(Platform::WaitCursor::Hook()); }

    MockProtocol myInner;
    std::vector<bool> myChanges;
};

TEST_F(WaitCursorDecoratorTest, WritesShowTheCursorAndReadsDoNot)
{
    WaitCursorProtocolDecorator decorator(&myInner);
    EXPECT_CALL(myInner, setValue(_, _, _)).WillOnce(Invoke([](const ParameterId&, const ParameterValue&, std::uint32_t) {
        EXPECT_EQ(1u, Platform::WaitCursor::depth());
    }));
    EXPECT_CALL(myInner, setAndGetValue(_, _, _))
        .WillOnce(Invoke([](const ParameterId&, const ParameterValue& aValue, std::uint32_t) {
            EXPECT_EQ(1u, Platform::WaitCursor::depth());
            return aValue;
        }));
    EXPECT_CALL(myInner, getValue(_)).WillOnce(Invoke([](const ParameterId&) {
        EXPECT_EQ(0u, Platform::WaitCursor::depth());
        return ParameterValue(0);
    }));
    EXPECT_CALL(myInner, getStatus()).WillOnce(Invoke([] {
        EXPECT_EQ(0u, Platform::WaitCursor::depth());
        return DeviceStatus("Ok", true);
    }));
    decorator.setValue(someId, ParameterValue(1), 0);
    EXPECT_EQ(ParameterValue(2), decorator.setAndGetValue(someId, ParameterValue(2), 0));
    decorator.getValue(someId);
    decorator.getStatus();
    EXPECT_EQ((std::vector<bool>{true, false, true, false}), myChanges);
}

TEST_F(WaitCursorDecoratorTest, FailingWriteLeavesTheCursorAsItWas)
{
    WaitCursorProtocolDecorator decorator(&myInner);
    EXPECT_CALL(myInner, setAndGetValue(_, _, _)).WillOnce(Throw(ProtocolException("The device is not responding.")));
    EXPECT_THROW(decorator.setAndGetValue(someId, ParameterValue(1), 0), ProtocolException);
    EXPECT_EQ(0u, Platform::WaitCursor::depth());
    EXPECT_EQ((std::vector<bool>{true, false}), myChanges);
}

TEST_F(WaitCursorDecoratorTest, DeviceStackSendsAFailingWriteFiveTimesUnderOneCursor)
{
    VirtualTime time;
    FakeSerialDevice line;
    line.attach(&time);
    SerialDevice device(&line);
    SmpteProtocol serial(0x8280, &device);
    Protocol protocol(&serial);
    RetryProtocolDecorator retry(&protocol, 5);
    WaitCursorProtocolDecorator outermost(&retry);
    line.clearWritten();

    try
    {
        outermost.setAndGetValue(someId, ParameterValue(1), 0);
        FAIL() << "a silent unit accepted the write";
    }
    catch (const ProtocolException& anError)
    {
        EXPECT_STREQ("No response when expecting an ACK.", anError.what());
    }
    EXPECT_EQ(5u, line.count(bytes({0xFB, 0x82, 0x80, 0x02, 0x04, 0x41, 0x03, 0x00, 0x01, 0xB7})));
    EXPECT_EQ((std::vector<bool>{true, false}), myChanges);
}
}
