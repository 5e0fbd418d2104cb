#include "Models/Unit/BcdRateCounter.h"
#include "Models/Unit/ClampedRateCounter.h"
#include "Models/Unit/TrackedParameterList.h"
#include "Toolkit/Parameter/Observer.h"
#include "Toolkit/Parameter/Parameter.h"
#include "Toolkit/Parameter/ParameterValueStore.h"
#include "Toolkit/Parameter/Protocol.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace
{
// One event of a tracker's life: a polled value, or an idle step that must
// return the expected estimate.
struct Event
{
    bool polled;
    int value;
};

Event poll(int aValue)
{
    return {true, aValue};
}

Event step(int anExpected)
{
    return {false, anExpected};
}

struct TrackerCase
{
    const char* title;
    std::function<std::unique_ptr<ValueTracker>()> make;
    std::uint16_t minimum;
    std::uint16_t maximum;
    std::vector<Event> events;
};

std::ostream& operator<<(std::ostream& aStream, const TrackerCase& aCase)
{
    return aStream << aCase.title;
}

std::function<std::unique_ptr<ValueTracker>()> levels()
{
    return [] { return std::make_unique<ClampedRateCounter>(-256.0f, 0.0f); };
}

std::function<std::unique_ptr<ValueTracker>()> compression()
{
    return [] { return std::make_unique<ClampedRateCounter>(0.0f, 1.0f); };
}

std::function<std::unique_ptr<ValueTracker>()> frames()
{
    return [] { return std::make_unique<BcdRateCounter>(); };
}

class ValueTrackerTest : public ::testing::TestWithParam<TrackerCase>
{
};
}

TEST_P(ValueTrackerTest, EstimatesBetweenPolls)
{
    const TrackerCase& each = GetParam();
    const std::unique_ptr<ValueTracker> tracker = each.make();
    int position = 0;
    for (const Event& event : each.events)
    {
        if (event.polled)
        {
            tracker->onValue(static_cast<std::int16_t>(event.value));
        }
        else
        {
            EXPECT_EQ(event.value, tracker->estimate(each.minimum, each.maximum)) << "event " << position;
        }
        ++position;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Trackers, ValueTrackerTest,
    ::testing::Values(
        TrackerCase{"a rising level stays while waiting", levels(), 0, 32767,
                    {poll(1000), poll(3000), step(3000), step(3000)}},
        TrackerCase{"a steep fall is spread no faster than 256 a step", levels(), 0, 32767,
                    {poll(1000), step(1000), poll(3000), poll(1000), step(744), step(488), step(232), step(0)}},
        // The rate spreads a change over the steps between the two values
        // before it: 3000 to 2800 after one step is -200 a step (none lay
        // before), 2800 to 2600 after three steps is -100 (one lay before).
        TrackerCase{"the divisor is the previous interval", levels(), 0, 32767,
                    {poll(3000), step(3000), poll(2800), step(2600), step(2400), step(2200), poll(2600), step(2500),
                     step(2400)}},
        TrackerCase{"a fall below zero stops at the minimum", levels(), 40, 32767,
                    {poll(300), poll(100), step(40), step(40)}},
        TrackerCase{"compression rises one a step up to its maximum", compression(), 0, 256,
                    {poll(254), step(255), step(256), step(256)}},
        TrackerCase{"compression never falls while waiting", compression(), 0, 256,
                    {poll(200), poll(100), step(100), step(100)}},
        TrackerCase{"frames advance at the decimal rate", frames(), 0, 0x29,
                    {poll(0x10), poll(0x12), step(0x14), step(0x16)}},
        TrackerCase{"frames wrap by the span", frames(), 0, 0x29,
                    {poll(0x27), poll(0x28), step(0x29), step(0x01), step(0x02)}},
        TrackerCase{"frames that stop moving stay at the last reading", frames(), 0, 0x29,
                    {poll(0x10), poll(0x12), step(0x14), poll(0x13), poll(0x13), step(0x13), step(0x13)}},
        TrackerCase{"a counter that went back keeps its rate", frames(), 0, 0x29,
                    {poll(0x27), poll(0x28), poll(0x02), step(0x03), step(0x04)}},
        TrackerCase{"frames below the minimum give the minimum", frames(), 0x05, 0x29,
                    {poll(0x01), poll(0x02), step(0x05), step(0x05), step(0x05), step(0x06)}},
        TrackerCase{"frames spread over the previous interval", frames(), 0, 0x30,
                    {poll(0x10), step(0x20), step(0x30), poll(0x14), step(0x18), step(0x22), poll(0x20), step(0x22),
                     step(0x24)}}));

TEST(BcdRateCounterTest, WrapRestartsTheEstimate)
{
    BcdRateCounter frame;
    frame.onValue(0x28);
    frame.onValue(0x29);
    EXPECT_EQ(1.0f, frame.rate());
    EXPECT_EQ(0x01, frame.estimate(0, 0x29));
    EXPECT_EQ(1.0f, frame.estimated());
    EXPECT_EQ(0x02, frame.estimate(0, 0x29));
    EXPECT_EQ(3, BcdRateCounter::decimal(0x0103)) << "the low byte only";
    EXPECT_EQ(0x99, BcdRateCounter::packed(99));
}

namespace
{
class CountingObserver : public Observer
{
public:
    void update(Subject*) override { ++myUpdates; }
    int myUpdates = 0;
};
}

TEST(TrackedParameterListTest, StepsEveryTrackedParameterWhileTheLineWaits)
{
    ParameterValueStore store;
    Protocol protocol(&store);
    Parameter level(&protocol, ParameterId('C', 4), ParameterValue(0), ParameterValue(32767));
    Parameter frame(&protocol, ParameterId('F', 6), ParameterValue(0), ParameterValue(0x29));
    Parameter untracked(&protocol, ParameterId('C', 5), ParameterValue(0), ParameterValue(32767));
    ClampedRateCounter levelTracker(-256.0f, 0.0f);
    BcdRateCounter frameTracker;
    level.setValueTracker(&levelTracker);
    frame.setValueTracker(&frameTracker);
    ParameterValueMap polled;
    polled[level.id()] = ParameterValue(1000);
    polled[frame.id()] = ParameterValue(0x05);
    level.update(polled);
    frame.update(polled);
    polled[level.id()] = ParameterValue(600);
    polled[frame.id()] = ParameterValue(0x07);
    level.update(polled);
    frame.update(polled);

    CountingObserver levelObserver;
    CountingObserver untrackedObserver;
    level.attach(&levelObserver);
    untracked.attach(&untrackedObserver);
    levelObserver.myUpdates = 0;
    untrackedObserver.myUpdates = 0;
    {
        TrackedParameterList list;
        list.append(&level);
        list.append(&frame);
        list.append(&untracked);
        list.installOn(&protocol);
        EXPECT_EQ(&list, store.idleCallback());
        store.idle();
        EXPECT_EQ(344, level.value().toShort());
        EXPECT_EQ(0x09, frame.value().toShort());
        store.idle();
        EXPECT_EQ(88, level.value().toShort());
        EXPECT_EQ(2, levelObserver.myUpdates) << "every step notifies";
        EXPECT_EQ(0, untrackedObserver.myUpdates);
    }
    EXPECT_EQ(nullptr, store.idleCallback()) << "a list that is gone is no longer called";
}
