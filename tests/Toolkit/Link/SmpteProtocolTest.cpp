#include "Platform/SteadyWait.h"
#include "Platform/WaitInterrupted.h"
#include "Toolkit/Link/Kq310SmpteProtocol.h"
#include "Toolkit/Link/SerialDevice.h"
#include "Toolkit/Link/SmpteProtocol.h"
#include "Toolkit/Parameter/IdleCallback.h"
#include "Toolkit/Parameter/ParameterId.h"
#include "Toolkit/Parameter/ParameterValue.h"
#include "Toolkit/Parameter/ProtocolException.h"
#include "Toolkit/Parameter/VornaException.h"

#include "FakeSerialDevice.h"
#include "VirtualTime.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

namespace
{
const ByteString select8280 = bytes({0xFB, 0x82, 0x80});
const ByteString poll8280 = bytes({0xFB, 0x82, 0x81});

class CountingIdle : public IdleCallback
{
public:
    void onIdle() override { ++myCalls; }
    int myCalls = 0;
};

class SmpteProtocolTest : public ::testing::Test
{
protected:
    SmpteProtocolTest() : myDevice(&myLine)
    {
        myLine.attach(&myTime);
        myLine.answer({0x55, 0x66});  // left over from before
        myProtocol = std::make_unique<SmpteProtocol>(0x8280, &myDevice);
        myLine.clearWritten();
        myProtocol->setIdleCallback(&myIdle);
    }

    // Answers every poll with aByte from now on.
    void answerEveryPoll(int aByte, const ByteString& aPoll = poll8280)
    {
        myLine.onWrite([this, aByte, aPoll](const ByteString& aBytes) {
            myPending += aBytes;
            if (myPending.size() >= 3 && myPending.compare(myPending.size() - 3, 3, aPoll) == 0)
            {
                myLine.answer({aByte});
            }
        });
    }

    std::size_t polls() const { return myLine.count(poll8280); }

    template <typename Operation>
    std::string failure(Operation anOperation)
    {
        try
        {
            anOperation();
        }
        catch (const ProtocolException& anError)
        {
            return anError.what();
        }
        return "no error";
    }

    VirtualTime myTime;
    FakeSerialDevice myLine;
    SerialDevice myDevice;
    CountingIdle myIdle;
    std::unique_ptr<SmpteProtocol> myProtocol;
    ByteString myPending;
};

TEST(SmpteProtocolConstructionTest, RefusesANullDevice)
{
    try
    {
        SmpteProtocol protocol(0x8280, nullptr);
        FAIL() << "constructed without a device";
    }
    catch (const ProtocolException& anError)
    {
        EXPECT_STREQ("NULL serial device.", anError.what());
    }
}

TEST_F(SmpteProtocolTest, ConstructionSetsTheReadTimeoutAndDrainsWithoutWriting)
{
    EXPECT_EQ(200u, myLine.timeout());
    ASSERT_FALSE(myLine.reads().empty());
    EXPECT_EQ(500u, myLine.reads().front());
    EXPECT_EQ(0u, myLine.pending());
    EXPECT_TRUE(myLine.written().empty());
}

TEST_F(SmpteProtocolTest, SetAndReadBackGoesOverTheWireByteForByte)
{
    myLine.answer({0x04, 0x06, 0x04, 0x04, 0x08, 0x02, 0x04, 0x42, 0x03, 0x00, 0x01, 0xB6});
    const ParameterValue value = myProtocol->setAndGetValue(ParameterId('B', 3), ParameterValue(1), 0);
    EXPECT_EQ(ParameterValue(1), value);
    EXPECT_EQ(bytes({0xFB, 0x82, 0x80, 0x02, 0x04, 0x41, 0x03, 0x00, 0x01, 0xB7,  // select, ('A', 3) = 1
                     0xFB, 0x82, 0x81, 0xFB, 0x82, 0x81,                          // polls: busy, then done
                     0xFB, 0x82, 0x80, 0x02, 0x02, 0x42, 0x03, 0xB9,              // select, request ('B', 3)
                     0xFB, 0x82, 0x81,                                            // poll: answer ready
                     0xFB, 0x82, 0x80, 0x09,                                      // authorisation
                     0x04}),                                                      // ACK of the answer
              myLine.written());
    EXPECT_EQ(20, myTime.sleptMilliseconds());
}

TEST_F(SmpteProtocolTest, PollAddressHasNoCarryIntoTheHighByte)
{
    FakeSerialDevice line;
    SerialDevice device(&line);
    SmpteProtocol protocol(0x12FF, &device);
    line.answer({0x04});
    protocol.getStatus();
    EXPECT_EQ(bytes({0xFB, 0x12, 0x00}), line.written());
}

struct StatusCase
{
    std::initializer_list<int> myAnswer;
    const char* myName;
    bool myOk;
};

TEST_F(SmpteProtocolTest, StatusPollAnswersByTheByteItGets)
{
    const StatusCase cases[] = {
        {{}, "Not Responding", false}, {{0x04}, "Ok", true},   {{0x05}, "Error", false},
        {{0x06}, "Busy", false},       {{0x07}, "Error", false}, {{0x08}, "Error", false},
    };
    for (const StatusCase& status : cases)
    {
        myLine.clearWritten();
        myLine.answer(status.myAnswer);
        const DeviceStatus answer = myProtocol->getStatus();
        EXPECT_EQ(status.myName, answer.name());
        EXPECT_EQ(status.myOk, answer.isOk()) << status.myName;
        EXPECT_EQ(poll8280, myLine.written());
    }
}

TEST_F(SmpteProtocolTest, StatusPollReportsAFailingPortAsError)
{
    myLine.failWrites(true);
    EXPECT_EQ("Error", myProtocol->getStatus().name());
}

TEST_F(SmpteProtocolTest, BusyAnswersAfterASetCostAPollAndTwentyMillisecondsEach)
{
    myLine.answer({0x04, 0x06, 0x06, 0x06, 0x04});
    myProtocol->setValue(ParameterId('A', 3), ParameterValue(1), 0);
    EXPECT_EQ(4u, polls());
    EXPECT_EQ(60, myTime.sleptMilliseconds());
    EXPECT_EQ(60, myIdle.myCalls);
    EXPECT_EQ(0u, myLine.pending());
}

TEST_F(SmpteProtocolTest, UnitBusyAgainForeverEndsTheSetQuietlyAfter750Polls)
{
    myLine.answer({0x04});
    answerEveryPoll(0x07);
    myProtocol->setValue(ParameterId('A', 3), ParameterValue(1), 0);
    EXPECT_EQ(750u, polls());
    EXPECT_EQ(0, myTime.sleptMilliseconds());
}

TEST_F(SmpteProtocolTest, UnitBusyForeverIsStuckAfter750Polls)
{
    myLine.answer({0x04});
    answerEveryPoll(0x06);
    EXPECT_EQ("The device seems to be stuck in the busy state.",
              failure([this] { myProtocol->setValue(ParameterId('A', 3), ParameterValue(1), 0); }));
    EXPECT_EQ(750u, polls());
    EXPECT_EQ(750 * 20, myTime.sleptMilliseconds());
}

TEST_F(SmpteProtocolTest, SilenceEndsTheBusyWaitQuietlyEvenAfterABusyAnswer)
{
    myLine.answer({0x04, 0x06, 0x06});
    myProtocol->setValue(ParameterId('A', 3), ParameterValue(1), 0);
    EXPECT_EQ(3u, polls());
}

TEST_F(SmpteProtocolTest, AnyOtherAnswerEndsTheBusyWait)
{
    myLine.answer({0x04, 0x07, 0x05});
    myProtocol->setValue(ParameterId('A', 3), ParameterValue(1), 0);
    EXPECT_EQ(2u, polls());
}

// A close asked for while a unit keeps the program busy ends the exchange
// between two messages, whether the unit makes it wait (06) or poll again at
// once (07): nothing goes out after the poll on the line.
struct CloseCase
{
    const char* name;
    int answer;
    unsigned pollsSent;
};

void PrintTo(const CloseCase& aCase, std::ostream* aStream)
{
    *aStream << aCase.name;
}

class SmpteProtocolCloseTest : public SmpteProtocolTest, public ::testing::WithParamInterface<CloseCase>
{
};

TEST_P(SmpteProtocolCloseTest, ACloseDuringABusyUnitEndsTheExchangeBetweenMessages)
{
    myLine.answer({0x04});
    answerEveryPoll(GetParam().answer);
    // The window layer learns of the close on the fifth pass it gets.
    int passes = 0;
    const std::function<void()> previous = Platform::SteadyWait::setPassHook([&passes] {
        if (++passes == 5)
        {
            Platform::SteadyWait::interrupt();
        }
    });
    EXPECT_THROW(myProtocol->setValue(ParameterId('A', 3), ParameterValue(1), 0), Platform::WaitInterrupted);
    Platform::SteadyWait::setPassHook(previous);
    Platform::SteadyWait::clearInterrupt();
    EXPECT_EQ(GetParam().pollsSent, polls());
    const ByteString written = myLine.written();
    ASSERT_GE(written.size(), poll8280.size());
    EXPECT_EQ(poll8280, written.substr(written.size() - poll8280.size()));
}

INSTANTIATE_TEST_SUITE_P(Answers, SmpteProtocolCloseTest,
                         ::testing::Values(CloseCase{"BusyWait", 0x06, 1}, CloseCase{"BusyAgain", 0x07, 3}),
                         [](const ::testing::TestParamInfo<CloseCase>& anInfo) { return anInfo.param.name; });

TEST_F(SmpteProtocolTest, SettleTimeIsWaitedAfterTheAckBeforeTheFirstPoll)
{
    const long long start = myTime.elapsedMilliseconds();
    long long firstPollAt = -1;
    myLine.answer({0x04});
    myLine.onWrite([this, &firstPollAt](const ByteString& aBytes) {
        if (aBytes == bytes({0xFB}) && myLine.written().size() > 10 && firstPollAt < 0)
        {
            firstPollAt = myTime.elapsedMilliseconds();
            myLine.answer({0x04});
        }
    });
    myProtocol->setValue(ParameterId('A', 3), ParameterValue(1), 100);
    EXPECT_EQ(100, firstPollAt - start);
    EXPECT_EQ(100, myIdle.myCalls);
}

TEST_F(SmpteProtocolTest, SetWithoutWaitingNeverCallsTheIdleCallback)
{
    myLine.answer({0x04, 0x04});
    myProtocol->setValue(ParameterId('A', 3), ParameterValue(1), 0);
    EXPECT_EQ(0, myIdle.myCalls);
}

TEST_F(SmpteProtocolTest, Kq310PausesSeventyFiveMillisecondsAfterEverySet)
{
    FakeSerialDevice line;
    SerialDevice device(&line);
    Kq310SmpteProtocol protocol(0x8280, &device);
    line.answer({0x04, 0x06, 0x04});
    const long long before = myTime.sleptMilliseconds();
    protocol.setValue(ParameterId('A', 3), ParameterValue(1), 0);
    EXPECT_EQ(20 + 75, myTime.sleptMilliseconds() - before);
}

struct AckCase
{
    std::initializer_list<int> myAnswer;
    const char* myMessage;
};

TEST_F(SmpteProtocolTest, FrameWithoutAckFailsAndDrains)
{
    const AckCase cases[] = {
        {{}, "No response when expecting an ACK."},
        {{0x05, 0x33}, "The device returned 5 instead of ACK"},
        {{0x15}, "The device returned 21 instead of ACK"},
    };
    for (const AckCase& answer : cases)
    {
        myLine.answer(answer.myAnswer);
        EXPECT_EQ(answer.myMessage,
                  failure([this] { myProtocol->setValue(ParameterId('A', 3), ParameterValue(1), 0); }));
        EXPECT_EQ(256u, myLine.reads().back());
        EXPECT_EQ(0u, myLine.pending());
    }
    EXPECT_EQ(0u, polls());
}

struct ReadyCase
{
    std::initializer_list<int> myAnswer;
    const char* myMessage;
};

TEST_F(SmpteProtocolTest, PollBeforeAnAnswerFailsOnSilenceOrAWrongAnswer)
{
    const ReadyCase cases[] = {
        {{0x04}, "There was no response to a poll."},
        {{0x04, 0x06}, "There was no response to a poll."},
        {{0x04, 0x05}, "The device returned 5 instead of 8"},
        {{0x04, 0x07, 0x04}, "The device returned 4 instead of 8"},
    };
    for (const ReadyCase& answer : cases)
    {
        myLine.answer(answer.myAnswer);
        myLine.silence();
        EXPECT_EQ(answer.myMessage, failure([this] { myProtocol->getValue(ParameterId('B', 3)); }));
    }
}

TEST_F(SmpteProtocolTest, UnitStillBusyAfter750PollsBeforeAnAnswer)
{
    myLine.answer({0x04});
    answerEveryPoll(0x06);
    EXPECT_EQ("The device returned 6 instead of 8", failure([this] { myProtocol->getValue(ParameterId('B', 3)); }));
    EXPECT_EQ(750u, polls());
}

TEST_F(SmpteProtocolTest, AnswerWithoutTheRequestedIdGivesZero)
{
    myLine.answer({0x04, 0x08, 0x02, 0x04, 0x42, 0x05, 0x00, 0x07, 0xAE});
    EXPECT_EQ(ParameterValue(bytes({0x00, 0x00})), myProtocol->getValue(ParameterId('B', 3)));
}

TEST_F(SmpteProtocolTest, AnswerTooShortForAValueFailsAndTheNextRequestWorks)
{
    myLine.answer({0x04, 0x08, 0x02, 0x01, 0x42, 0xBD});
    EXPECT_THROW(myProtocol->getValue(ParameterId('B', 3)), ProtocolException);
    myLine.answer({0x04, 0x08, 0x02, 0x04, 0x42, 0x03, 0x00, 0x01, 0xB6});
    EXPECT_EQ(ParameterValue(1), myProtocol->getValue(ParameterId('B', 3)));
}

TEST_F(SmpteProtocolTest, AnswerTooShortForAValueDrainsTheLineLikeEveryOtherFault)
{
    // Intact frames of 0 to 3 data bytes: no room for a group and one entry.
    const ByteString shortAnswers[] = {
        bytes({0x02, 0x00, 0x00}),
        bytes({0x02, 0x01, 0x42, 0xBD}),
        bytes({0x02, 0x02, 0x42, 0x03, 0xB9}),
        bytes({0x02, 0x03, 0x42, 0x03, 0x00, 0xB8}),
    };
    for (const ByteString& frame : shortAnswers)
    {
        myLine.clearWritten();
        myLine.answer({0x04, 0x08});
        myLine.answer(frame);
        myLine.answer({0x06, 0x08, 0x04});  // noise that would upset the next exchange
        ParameterValueMap result;
        EXPECT_EQ("The device's answer holds no parameter value.",
                  failure([this, &result] { myProtocol->getValues({ParameterId('B', 3)}, result); }))
            << frame.size();
        EXPECT_TRUE(result.empty());
        // The intact frame was acknowledged, then the line was read away.
        EXPECT_EQ(bytes({0xFB, 0x82, 0x80, 0x09, 0x04}), myLine.written().substr(myLine.written().size() - 5));
        EXPECT_EQ(256u, myLine.reads().back());
        EXPECT_EQ(0u, myLine.pending());
    }
}

TEST_F(SmpteProtocolTest, CorruptAnswerFailsAndTheNextRequestWorks)
{
    myLine.answer({0x04, 0x08, 0x02, 0x04, 0x42, 0x03, 0x00, 0x01, 0xB5, 0x44, 0x55});
    EXPECT_EQ("Incorrect checksum", failure([this] { myProtocol->getValue(ParameterId('B', 3)); }));
    // A failed answer is not acknowledged.
    EXPECT_EQ(bytes({0xFB, 0x82, 0x80, 0x09}), myLine.written().substr(myLine.written().size() - 4));
    myLine.answer({0x04, 0x08, 0x02, 0x04, 0x42, 0x03, 0x00, 0x01, 0xB6});
    EXPECT_EQ(ParameterValue(1), myProtocol->getValue(ParameterId('B', 3)));
}

TEST_F(SmpteProtocolTest, ListRequestAsksEachGroupInSignedOrderAndGathersTheAnswers)
{
    // ('I', 0), ('I', 2) and (0xF8, 1): group 0xF8 goes first.
    myLine.answer({0x04, 0x08, 0x02, 0x04, 0xF8, 0x01, 0x01, 0x03, 0xFF});
    myLine.answer({0x04, 0x08, 0x02, 0x07, 0x49, 0x00, 0x00, 0x05, 0x02, 0x00, 0x06, 0xA3});
    ParameterValueMap result;
    myProtocol->getValues({ParameterId('I', 0), ParameterId(0xF8, 1), ParameterId('I', 2)}, result);
    EXPECT_EQ((ParameterValueMap{{ParameterId(0xF8, 1), ParameterValue(0x0103)},
                                 {ParameterId('I', 0), ParameterValue(5)},
                                 {ParameterId('I', 2), ParameterValue(6)}}),
              result);
    const ByteString requestF8 = bytes({0x02, 0x02, 0xF8, 0x01, 0x05});
    const ByteString requestI = bytes({0x02, 0x03, 0x49, 0x00, 0x02, 0xB2});
    const std::size_t first = myLine.written().find(requestF8);
    const std::size_t second = myLine.written().find(requestI);
    ASSERT_NE(ByteString::npos, first);
    ASSERT_NE(ByteString::npos, second);
    EXPECT_LT(first, second);
    EXPECT_EQ(2u, myLine.count(bytes({0xFB, 0x82, 0x80, 0x09})));
}

TEST_F(SmpteProtocolTest, EmptyListRequestSendsNothing)
{
    ParameterValueMap result;
    myProtocol->getValues({}, result);
    EXPECT_TRUE(myLine.written().empty());
    EXPECT_TRUE(result.empty());
}

TEST_F(SmpteProtocolTest, OversizedRequestsAreRefusedBeforeAByteIsSent)
{
    EXPECT_THROW(myProtocol->setValue(ParameterId('c', 0), ParameterValue(std::string(252, 'n')), 0), VornaException);
    ParameterIdList ids(255, ParameterId('C', 1));
    ParameterValueMap result;
    EXPECT_THROW(myProtocol->getValues(ids, result), VornaException);
    EXPECT_TRUE(myLine.written().empty());
}

TEST_F(SmpteProtocolTest, PortFailurePassesAsItIs)
{
    myLine.failWrites(true);
    try
    {
        myProtocol->setValue(ParameterId('A', 3), ParameterValue(1), 0);
        FAIL() << "the write did not fail";
    }
    catch (const ProtocolException&)
    {
        FAIL() << "a port failure became a protocol failure";
    }
    catch (const VornaException& anError)
    {
        EXPECT_STREQ("Error sending serial data.", anError.what());
    }
}
}
