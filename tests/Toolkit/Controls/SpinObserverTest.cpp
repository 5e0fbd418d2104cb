#include "ControlBench.h"

#include "Toolkit/Controls/ControlBinder.h"
#include "Toolkit/Controls/Win32SpinObserver.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using Platform::Notification;
using Platform::ScriptedUser;
using Platform::WindowKind;

namespace
{
// Positions in decimal over packed-BCD values, as the time-code pages step them.
class BcdSpin : public Win32SpinObserver
{
public:
    using Win32SpinObserver::Win32SpinObserver;
    int valueToPosition(int aValue) const override { return (aValue >> 4 & 15) * 10 + (aValue & 15); }
    int positionToValue(int aPosition) const override { return (aPosition / 10) << 4 | aPosition % 10; }
};

class SpinObserverTest : public ControlBench
{
protected:
    SpinObserverTest() : spin(addControl(WindowKind::UpDown, 1250))
    {
        // Stepped as the binder steps every up-down, on the observer the test makes.
        binder.handleStep(spin, [this](int aStep) { observer->step(aStep); });
    }

    Platform::Window& spin;
    std::unique_ptr<Win32SpinObserver> observer;
    // Lets every error through to the test.
    ControlBinder binder{[](const std::function<void()>& aBody) { aBody(); }};
};

TEST_F(SpinObserverTest, StepsRequestTheNextValueWithinTheRange)
{
    ControlParameter& parameter = addParameter(2, 0, 3);
    observer = std::make_unique<Win32SpinObserver>(&spin);
    parameter.attach(observer.get());

    // The up-down's default range runs from 100 down to 0: its up arrow tells -1.
    ASSERT_TRUE(user.spin(1250, ScriptedUser::Arrow::Up));
    ASSERT_TRUE(user.spin(1250, ScriptedUser::Arrow::Up));
    EXPECT_EQ(2, parameter.value().toShort());
    ASSERT_TRUE(user.spin(1250, ScriptedUser::Arrow::Down));
    EXPECT_EQ(1, parameter.value().toShort());
    EXPECT_EQ((std::vector<int>{1, 2, 1}), writtenValues());

    report(parameter, 3);
    ASSERT_TRUE(user.spin(1250, ScriptedUser::Arrow::Up));
    EXPECT_EQ(3, parameter.value().toShort()) << "beyond the maximum: dropped";
    EXPECT_EQ(3u, unit.writes.size());
}

TEST_F(SpinObserverTest, TheControlFollowsOnlyTheAvailability)
{
    ControlParameter& parameter = addParameter(2, 0, 3);
    observer = std::make_unique<Win32SpinObserver>(&spin);
    parameter.attach(observer.get());
    const int position = spin.position();
    parameter.setAvailable(false);
    EXPECT_FALSE(spin.isEnabled());
    EXPECT_FALSE(user.spin(1250, ScriptedUser::Arrow::Up));
    parameter.setAvailable(true);
    EXPECT_TRUE(spin.isEnabled());
    report(parameter, 2);
    EXPECT_EQ(position, spin.position());
}

TEST_F(SpinObserverTest, ConversionsOfADerivedObserverPlaceTheStep)
{
    ControlParameter& parameter = addParameter(2, 0, 0x59);
    report(parameter, 0x09);
    observer = std::make_unique<BcdSpin>(&spin);
    parameter.attach(observer.get());
    observer->step(1);
    EXPECT_EQ(0x10, parameter.value().toShort());
    observer->step(-1);
    EXPECT_EQ(0x09, parameter.value().toShort());
}

TEST_F(SpinObserverTest, AStepPastTheSixteenBitRangeDoesNotWrapAround)
{
    ControlParameter& parameter = addParameter(2, -32768, 32767);
    report(parameter, 32767);
    observer = std::make_unique<Win32SpinObserver>(&spin);
    parameter.attach(observer.get());
    observer->step(1);
    report(parameter, -32768);
    observer->step(-1);
    EXPECT_TRUE(unit.writes.empty());
}

TEST_F(SpinObserverTest, WithoutAParameterAStepAsksNothing)
{
    observer = std::make_unique<Win32SpinObserver>(&spin);
    observer->step(1);
    EXPECT_TRUE(unit.writes.empty());
}
}
