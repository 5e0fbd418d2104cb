#include "Toolkit/Parameter/BusyStatus.h"
#include "Toolkit/Parameter/ErrorStatus.h"
#include "Toolkit/Parameter/IdleCallback.h"
#include "Toolkit/Parameter/NotRespondingStatus.h"
#include "Toolkit/Parameter/OkStatus.h"
#include "Toolkit/Parameter/Protocol.h"
#include "Toolkit/Parameter/ProtocolException.h"
#include "Toolkit/Parameter/ProtocolImplementation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
// Answers list requests with a prepared map and records the single calls.
class ScriptedImplementation : public ProtocolImplementation
{
public:
    DeviceStatus getStatus() override { return BusyStatus(); }
    void setValue(const ParameterId& anId, const ParameterValue& aValue, std::uint32_t aSettleTime) override
    {
        myLog.push_back("set " + idText(anId) + " " + std::to_string(aValue.toShort()) + " " +
                        std::to_string(aSettleTime));
        if (myFailSet)
        {
            throw ProtocolException("no answer");
        }
    }
    ParameterValue getValue(const ParameterId& anId) override
    {
        myLog.push_back("get " + idText(anId));
        return ParameterValue(anId.index());
    }
    void getValues(const std::vector<ParameterId>&, ParameterValueMap& aResult) override { aResult = myAnswer; }

    static std::string idText(const ParameterId& anId)
    {
        return std::string(1, static_cast<char>(anId.group())) + std::to_string(anId.index());
    }

    ParameterValueMap myAnswer;
    std::vector<std::string> myLog;
    bool myFailSet = false;
};

struct CheckCase
{
    std::vector<ParameterId> requested;
    std::vector<ParameterId> answered;
    const char* message; // empty when the answer passes
};

class ProtocolCheck : public ::testing::TestWithParam<CheckCase>
{
};

TEST_P(ProtocolCheck, ChecksTheAnswerOfAListRequest)
{
    const CheckCase& c = GetParam();
    ScriptedImplementation implementation;
    for (const ParameterId& id : c.answered)
    {
        implementation.myAnswer[id] = ParameterValue(1);
    }
    Protocol protocol(&implementation);
    ParameterValueMap result;
    std::string message;
    try
    {
        protocol.getValues(c.requested, result);
    }
    catch (const ProtocolException& e)
    {
        message = e.what();
    }
    EXPECT_EQ(c.message, message);
}

const ParameterId b0('B', 0), b1('B', 1), b2('B', 2), b3('B', 3);

INSTANTIATE_TEST_SUITE_P(
    Cases, ProtocolCheck,
    ::testing::Values(CheckCase{{}, {}, ""}, CheckCase{{b0, b1}, {b1, b0}, ""},
                      CheckCase{{b0, b1, b2}, {b0, b1}, "The device did not return all of the requested parameters"},
                      CheckCase{{b0, b1, b2}, {b0, b1, b2, b3}, "The device returned some unasked for parameters"},
                      CheckCase{{b0, b1}, {b0, b2}, "The device returned some parameters that were not asked for."},
                      CheckCase{{b0, b0}, {b0}, "The device did not return all of the requested parameters"}));

TEST(Protocol, SetAndGetWritesUnderThePreviousGroupAndReadsBackUnderTheId)
{
    ScriptedImplementation implementation;
    Protocol protocol(&implementation);
    EXPECT_EQ(ParameterValue(7), protocol.setAndGetValue(ParameterId('B', 7), ParameterValue(3), 75));
    EXPECT_EQ((std::vector<std::string>{"set A7 3 75", "get B7"}), implementation.myLog);
}

TEST(Protocol, AFailedWriteIsNotReadBack)
{
    ScriptedImplementation implementation;
    implementation.myFailSet = true;
    Protocol protocol(&implementation);
    EXPECT_THROW(protocol.setAndGetValue(ParameterId('B', 7), ParameterValue(3), 0), ProtocolException);
    EXPECT_EQ(std::vector<std::string>{"set A7 3 0"}, implementation.myLog);
}

TEST(Protocol, SetAndGetPassThroughUnchanged)
{
    ScriptedImplementation implementation;
    Protocol protocol(&implementation);
    protocol.setValue(ParameterId('B', 7), ParameterValue(3), 5);
    EXPECT_EQ(ParameterValue(2), protocol.getValue(ParameterId('C', 2)));
    EXPECT_EQ((std::vector<std::string>{"set B7 3 5", "get C2"}), implementation.myLog);
    const DeviceStatus status = protocol.getStatus();
    EXPECT_EQ("Busy", status.name());
    EXPECT_FALSE(status.isOk());
}

TEST(ProtocolImplementation, DefaultListReadGetsEachIdInOrderAndKeepsWhatCameBeforeAFailure)
{
    class Failing : public ScriptedImplementation
    {
    public:
        ParameterValue getValue(const ParameterId& anId) override
        {
            if (anId == ParameterId('B', 2))
            {
                throw ProtocolException("no answer");
            }
            return ScriptedImplementation::getValue(anId);
        }
    } implementation;
    ParameterValueMap result;
    EXPECT_THROW(implementation.ProtocolImplementation::getValues({b1, b0, b2, b3}, result), ProtocolException);
    EXPECT_EQ((std::vector<std::string>{"get B1", "get B0"}), implementation.myLog);
    EXPECT_EQ(2u, result.size());
}

class CountingCallback : public IdleCallback
{
public:
    void onIdle() override { ++myCalls; }
    int myCalls = 0;
};

TEST(Protocol, TheIdleCallbackReachesTheImplementation)
{
    ScriptedImplementation implementation;
    implementation.idle();
    Protocol protocol(&implementation);
    CountingCallback callback;
    protocol.setIdleCallback(&callback);
    EXPECT_EQ(&callback, implementation.idleCallback());
    implementation.idle();
    implementation.idle();
    EXPECT_EQ(2, callback.myCalls);
    protocol.setIdleCallback(nullptr);
    implementation.idle();
    EXPECT_EQ(2, callback.myCalls);
}

TEST(DeviceStatus, TheFourKindsCarryTheirNamesAndFlags)
{
    const std::vector<DeviceStatus> statuses = {OkStatus(), BusyStatus(), ErrorStatus(), NotRespondingStatus()};
    const std::vector<std::string> names = {"Ok", "Busy", "Error", "Not Responding"};
    for (std::size_t i = 0; i < statuses.size(); ++i)
    {
        EXPECT_EQ(names[i], statuses[i].name());
        EXPECT_EQ(i == 0, statuses[i].isOk());
    }
}
}
