#include "Toolkit/Parameter/ControlParameter.h"
#include "Toolkit/Parameter/NumericDefinition.h"
#include "Toolkit/Parameter/Parameter.h"
#include "Toolkit/Parameter/ParameterObserver.h"
#include "Toolkit/Parameter/ValueTracker.h"
#include "Toolkit/Parameter/VornaException.h"
#include "tests/Toolkit/Parameter/FakeProtocol.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <sstream>
#include <string>
#include <vector>

namespace
{
class CountingObserver : public ParameterObserver
{
public:
    explicit CountingObserver(Parameter* aSubject) : ParameterObserver(aSubject) {}
    void onSubjectUpdated() override { ++myNotifications; }
    int myNotifications = 0;
};

class RecordingTracker : public ValueTracker
{
public:
    void onValue(std::int16_t aValue) override { myValues.push_back(aValue); }
    std::int32_t estimate(std::uint16_t aMinimum, std::uint16_t aMaximum) override
    {
        myLimits.push_back(aMinimum);
        myLimits.push_back(aMaximum);
        return myEstimate;
    }
    std::vector<int> myValues;
    std::vector<int> myLimits;
    std::int32_t myEstimate = 0;
};

const ParameterId theId('B', 3);

class ControlParameterTest : public ::testing::Test
{
protected:
    ControlParameterTest() : myParameter(&myProtocol, theId, ParameterValue(0), ParameterValue(3))
    {
        ParameterValueMap values;
        values[theId] = ParameterValue(1);
        myParameter.update(values);
        myProtocol.myValues[theId] = ParameterValue(1);
    }

    FakeProtocol myProtocol;
    ControlParameter myParameter;
};

TEST_F(ControlParameterTest, StartsRestorableWithoutSettleTime)
{
    const ControlParameter fresh(&myProtocol, theId, ParameterValue(2), ParameterValue(3));
    EXPECT_EQ(ParameterValue(2), fresh.value());
    EXPECT_TRUE(fresh.restorable());
    EXPECT_EQ(0u, fresh.settleTime());
    EXPECT_TRUE(fresh.available());
}

TEST_F(ControlParameterTest, SetValueDropsUnchangedAndOutOfRangeValues)
{
    CountingObserver observer(&myParameter);
    for (int value : {1, 4, -1})
    {
        myParameter.setValue(ParameterValue(value));
    }
    EXPECT_TRUE(myProtocol.myWrites.empty());
    EXPECT_EQ(0, observer.myNotifications);
    EXPECT_EQ(ParameterValue(1), myParameter.value());
}

TEST_F(ControlParameterTest, SetValueWritesAndKeepsTheReadBack)
{
    CountingObserver observer(&myParameter);
    myParameter.setSettleTime(125);
    myParameter.setValue(ParameterValue(2));
    EXPECT_EQ(std::vector<ParameterId>{theId}, myProtocol.myWrites);
    EXPECT_EQ(std::vector<std::uint32_t>{125}, myProtocol.mySettleTimes);
    EXPECT_EQ(ParameterValue(2), myParameter.value());
    EXPECT_EQ(1, observer.myNotifications);
}

TEST_F(ControlParameterTest, ARefusedChangeNotifiesNobody)
{
    CountingObserver observer(&myParameter);
    myProtocol.myRefuseWrites = true;
    myParameter.setValue(ParameterValue(2));
    EXPECT_EQ(1u, myProtocol.myWrites.size());
    EXPECT_EQ(ParameterValue(1), myParameter.value());
    EXPECT_EQ(0, observer.myNotifications);
}

TEST_F(ControlParameterTest, AFailedWriteChangesNothing)
{
    CountingObserver observer(&myParameter);
    myProtocol.myFailWrites = true;
    EXPECT_THROW(myParameter.setValue(ParameterValue(2)), ProtocolException);
    EXPECT_EQ(ParameterValue(1), myParameter.value());
    EXPECT_EQ(0, observer.myNotifications);
}

TEST_F(ControlParameterTest, ForceWriteWritesAndNotifiesAnUnchangedValueButNotOneOutOfRange)
{
    CountingObserver observer(&myParameter);
    myParameter.forceWrite(ParameterValue(1));
    EXPECT_EQ(1u, myProtocol.myWrites.size());
    EXPECT_EQ(1, observer.myNotifications);
    myParameter.forceWrite(ParameterValue(9));
    EXPECT_EQ(1u, myProtocol.myWrites.size());
}

TEST_F(ControlParameterTest, WriteSkipsOnlyTheCurrentValue)
{
    myParameter.write(ParameterValue(1));
    EXPECT_TRUE(myProtocol.myWrites.empty());
    myParameter.write(ParameterValue(9));
    EXPECT_EQ(ParameterValue(9), myParameter.value());
}

TEST_F(ControlParameterTest, UpdateStoresWithoutNotifying)
{
    CountingObserver observer(&myParameter);
    RecordingTracker tracker;
    myParameter.setValueTracker(&tracker);
    ParameterValueMap values;
    values[theId] = ParameterValue(3);
    myParameter.update(values);
    EXPECT_EQ(ParameterValue(3), myParameter.value());
    EXPECT_EQ(0, observer.myNotifications);
    EXPECT_TRUE(tracker.myValues.empty());
}

TEST_F(ControlParameterTest, WideLimitsAdmitEveryValueATextIncluded)
{
    ControlParameter wide(&myProtocol, theId, ParameterValue::minimum(), ParameterValue::maximum());
    for (const ParameterValue& value : {ParameterValue(-32768), ParameterValue(32767), ParameterValue(std::string("KQ350"))})
    {
        wide.setValue(value);
        EXPECT_EQ(value, wide.value());
    }
}

class StatusParameterTest : public ::testing::Test
{
protected:
    StatusParameterTest() : myParameter(&myProtocol, ParameterId('C', 4), ParameterValue(0), ParameterValue(100)) {}

    void receive(const ParameterValue& aValue)
    {
        ParameterValueMap values;
        values[ParameterId('C', 4)] = aValue;
        myParameter.update(values);
    }

    FakeProtocol myProtocol;
    Parameter myParameter;
};

TEST_F(StatusParameterTest, NotifiesOnlyOnAChange)
{
    CountingObserver observer(&myParameter);
    receive(ParameterValue(0));
    EXPECT_EQ(0, observer.myNotifications);
    receive(ParameterValue(5));
    EXPECT_EQ(1, observer.myNotifications);
    myParameter.update(ParameterValueMap());
    EXPECT_EQ(1, observer.myNotifications);
    EXPECT_EQ(ParameterValue(5), myParameter.value());
}

TEST_F(StatusParameterTest, NotifyAlwaysNotifiesEveryValue)
{
    CountingObserver observer(&myParameter);
    myParameter.setNotifyAlways();
    receive(ParameterValue(0));
    receive(ParameterValue(0));
    EXPECT_EQ(2, observer.myNotifications);
}

// Records, at each notification, how many values the tracker had been given.
class TrackerWatcher : public ParameterObserver
{
public:
    TrackerWatcher(Parameter* aSubject, const RecordingTracker& aTracker)
        : ParameterObserver(aSubject), myTracker(aTracker)
    {
    }
    void onSubjectUpdated() override { mySeen.push_back(myTracker.myValues.size()); }
    std::vector<std::size_t> mySeen;

private:
    const RecordingTracker& myTracker;
};

TEST_F(StatusParameterTest, FeedsTheTrackerBeforeTheObserversRun)
{
    RecordingTracker tracker;
    EXPECT_EQ(nullptr, myParameter.setValueTracker(&tracker));
    TrackerWatcher watcher(&myParameter, tracker);
    receive(ParameterValue(7));
    receive(ParameterValue(7));
    receive(ParameterValue(-3));
    EXPECT_EQ((std::vector<int>{7, -3}), tracker.myValues);
    EXPECT_EQ((std::vector<std::size_t>{1, 2}), watcher.mySeen);
    EXPECT_EQ(&tracker, myParameter.setValueTracker(nullptr));
}

TEST_F(StatusParameterTest, ExtrapolateTakesTheEstimateAndAlwaysNotifies)
{
    CountingObserver observer(&myParameter);
    myParameter.extrapolate();
    EXPECT_EQ(0, observer.myNotifications);

    RecordingTracker tracker;
    myParameter.setValueTracker(&tracker);
    myParameter.setMinimum(ParameterValue(-2));
    observer.myNotifications = 0;
    tracker.myEstimate = 0x12345;
    myParameter.extrapolate();
    myParameter.extrapolate();
    EXPECT_EQ(ParameterValue(0x2345), myParameter.value());
    EXPECT_EQ(2, observer.myNotifications);
    EXPECT_EQ((std::vector<int>{0xFFFE, 100, 0xFFFE, 100}), tracker.myLimits);
}

TEST_F(StatusParameterTest, SetAvailableNotifiesOnChangeAndRecordsEverySource)
{
    CountingObserver observer(&myParameter);
    Parameter source(&myProtocol, ParameterId('a', 2), ParameterValue(0), ParameterValue(1));
    myParameter.setAvailable(false, &source);
    myParameter.setAvailable(false, &source);
    myParameter.setAvailable(false, nullptr);
    EXPECT_EQ(1, observer.myNotifications);
    EXPECT_FALSE(myParameter.available());
    EXPECT_EQ(1u, myParameter.sources().size());
    EXPECT_EQ(1u, myParameter.sources().count(&source));
}

TEST_F(StatusParameterTest, LimitsEqualToTheValueAreAcceptedAndUnchangedOnesNotifyNobody)
{
    receive(ParameterValue(5));
    CountingObserver observer(&myParameter);
    myParameter.setMaximum(ParameterValue(5));
    myParameter.setMinimum(ParameterValue(5));
    EXPECT_EQ(2, observer.myNotifications);
    myParameter.setMinimum(ParameterValue(5));
    myParameter.setMaximum(ParameterValue(5));
    EXPECT_EQ(2, observer.myNotifications);
}

TEST_F(StatusParameterTest, ALimitTheValueBreaksThrowsAndChangesNothingButTheSources)
{
    receive(ParameterValue(5));
    Parameter source(&myProtocol, ParameterId('a', 2), ParameterValue(0), ParameterValue(1));
    CountingObserver observer(&myParameter);
    try
    {
        myParameter.setMaximum(ParameterValue(4), &source);
        FAIL() << "no exception";
    }
    catch (const VornaException& e)
    {
        EXPECT_STREQ("The device appears to be in an inconsistent state.  (43, 4): 5 is incompatible with another "
                     "parameter value.",
                     e.what());
    }
    EXPECT_THROW(myParameter.setMinimum(ParameterValue(6)), VornaException);
    EXPECT_EQ(ParameterValue(100), myParameter.maximum());
    EXPECT_EQ(ParameterValue(0), myParameter.minimum());
    EXPECT_EQ(0, observer.myNotifications);
    EXPECT_EQ(1u, myParameter.sources().count(&source));
}

TEST_F(StatusParameterTest, TheInconsistentStateTextUsesTheDefinition)
{
    NumericDefinition definition("Dialogue Normalization");
    myParameter.setDefinition(&definition);
    receive(ParameterValue(-31));
    try
    {
        myParameter.setMaximum(ParameterValue(-40));
        FAIL() << "no exception";
    }
    catch (const VornaException& e)
    {
        EXPECT_STREQ("The device appears to be in an inconsistent state.  Dialogue Normalization: -31 is "
                     "incompatible with another parameter value.",
                     e.what());
    }
}

TEST(Parameter, ACopyIsMemberwiseButWithoutObservers)
{
    FakeProtocol protocol;
    NumericDefinition definition("Level");
    ControlParameter original(&protocol, ParameterId('E', 1), ParameterValue(2), ParameterValue(8), &definition);
    original.setRestorable(false);
    original.setSettleTime(75);
    CountingObserver observer(&original);
    const ControlParameter copy(original);
    EXPECT_EQ(ParameterId('E', 1), copy.id());
    EXPECT_EQ(&protocol, copy.owner());
    EXPECT_EQ(&definition, copy.definition());
    EXPECT_EQ(ParameterValue(2), copy.value());
    EXPECT_EQ(ParameterValue(8), copy.maximum());
    EXPECT_FALSE(copy.restorable());
    EXPECT_EQ(75u, copy.settleTime());
    EXPECT_EQ(0u, copy.observerCount());
}

TEST(Parameter, TextLineWithoutADefinitionIsTheIdAndTheInteger)
{
    Parameter parameter(nullptr, ParameterId(0xF8, 2), ParameterValue(-2), ParameterValue(0));
    std::ostringstream stream;
    stream << parameter;
    EXPECT_EQ("(fffffff8, 2): -2", stream.str());
}
}
