#include "Platform/SteadyWait.h"
#include "Platform/WaitInterrupted.h"

#include <gtest/gtest.h>

namespace
{
using Platform::SteadyWait;

// Virtual time: a sleep moves the clock on by exactly what was asked.
class VirtualTime : public SteadyWait::TimeSource
{
public:
    VirtualTime() { SteadyWait::setTimeSource(this); }
    ~VirtualTime() { SteadyWait::setTimeSource(nullptr); }

    SteadyWait::Clock::time_point now() override { return myNow; }
    void sleepFor(SteadyWait::Clock::duration aDuration) override
    {
        myNow += aDuration;
        ++mySleeps;
    }

    SteadyWait::Clock::time_point myNow = SteadyWait::Clock::time_point();
    int mySleeps = 0;
};

TEST(SteadyWaitTest, CallsTheIdleFunctionOnceAMillisecondAndEndsOnTime)
{
    VirtualTime time;
    const SteadyWait::Clock::time_point start = time.myNow;
    int calls = 0;
    SteadyWait::wait(20, [&calls] { ++calls; });
    EXPECT_EQ(20, calls);
    EXPECT_EQ(20, time.mySleeps);
    EXPECT_EQ(std::chrono::milliseconds(20), time.myNow - start);
}

TEST(SteadyWaitTest, WaitOfZeroReturnsAtOnceWithoutCallingIdle)
{
    VirtualTime time;
    int calls = 0;
    SteadyWait::wait(0, [&calls] { ++calls; });
    EXPECT_EQ(0, calls);
    EXPECT_EQ(0, time.mySleeps);
}

TEST(SteadyWaitTest, NeverSleepsPastTheEnd)
{
    VirtualTime time;
    const SteadyWait::Clock::time_point start = time.myNow;
    // Idle work that takes 0.7 ms a pass leaves a part-millisecond at the end.
    SteadyWait::wait(5, [&time] { time.myNow += std::chrono::microseconds(700); });
    EXPECT_GE(time.myNow - start, std::chrono::milliseconds(5));
    EXPECT_LT(time.myNow - start, std::chrono::microseconds(5700));
}

TEST(SteadyWaitTest, RealWaitSleepsBetweenPassesInsteadOfSpinning)
{
    int calls = 0;
    const SteadyWait::Clock::time_point start = SteadyWait::Clock::now();
    SteadyWait::wait(3, [&calls] { ++calls; });
    EXPECT_GE(SteadyWait::Clock::now() - start, std::chrono::milliseconds(3));
    // Each pass sleeps a millisecond or what is left: three full passes and
    // one part at most, however fast the machine.
    EXPECT_GE(calls, 1);
    EXPECT_LE(calls, 4);
}

TEST(SteadyWaitTest, WaitWithoutIdleFunctionStillWaits)
{
    VirtualTime time;
    const SteadyWait::Clock::time_point start = time.myNow;
    SteadyWait::wait(7, std::function<void()>());
    EXPECT_EQ(std::chrono::milliseconds(7), time.myNow - start);
}
}

// A close asked for during a long wait ends it on that very pass, and every
// wait after it at once, until the close has been taken.
TEST(SteadyWaitTest, AnInterruptEndsTheWaitOnItsPassAndTheWaitsAfterIt)
{
    VirtualTime time;
    const SteadyWait::Clock::time_point start = time.myNow;
    int calls = 0;
    EXPECT_THROW(SteadyWait::wait(15000,
                                  [&calls] {
                                      if (++calls == 40)
                                      {
                                          SteadyWait::interrupt();
                                      }
                                  }),
                 Platform::WaitInterrupted);
    EXPECT_EQ(calls, 40);
    EXPECT_EQ(time.myNow - start, std::chrono::milliseconds(39));
    EXPECT_THROW(SteadyWait::wait(20, std::function<void()>()), Platform::WaitInterrupted);
    EXPECT_TRUE(SteadyWait::isInterrupted());

    SteadyWait::clearInterrupt();
    const SteadyWait::Clock::time_point again = time.myNow;
    EXPECT_NO_THROW(SteadyWait::wait(20, [] {}));
    EXPECT_EQ(time.myNow - again, std::chrono::milliseconds(20));
}

// Between two messages to the unit the window layer gets its pass, where it
// may learn of a close; a close learnt there stops the next message.
TEST(SteadyWaitTest, ACheckpointRunsThePassHookAndThrowsOnceInterrupted)
{
    int passes = 0;
    const std::function<void()> previous = SteadyWait::setPassHook([&passes] {
        if (++passes == 2)
        {
            SteadyWait::interrupt();
        }
    });
    EXPECT_NO_THROW(SteadyWait::checkpoint());
    EXPECT_THROW(SteadyWait::checkpoint(), Platform::WaitInterrupted);
    EXPECT_EQ(passes, 2);
    SteadyWait::clearInterrupt();
    EXPECT_NO_THROW(SteadyWait::checkpoint());
    SteadyWait::setPassHook(previous);
}
