#include "ControlBench.h"

#include "Toolkit/Controls/ButtonCoordinator.h"
#include "Toolkit/Controls/LoadedBitmap.h"
#include "Toolkit/Controls/ValuePredicate.h"
#include "Toolkit/Controls/Win32ButtonControlOnlyObserver.h"
#include "Toolkit/Controls/Win32ButtonStatusObserver.h"
#include "Toolkit/Controls/Win32TwoBitmapButtonObserver.h"

#include <gtest/gtest.h>

using Platform::Notification;
using Platform::WindowKind;

namespace
{
class Positive : public ValuePredicate
{
public:
    bool test(const ParameterValue& aValue) const override { return aValue.toShort() > 0; }
};

// A push button whose command writes the control parameter and whose pressed
// look follows a status parameter, as the recall and start/stop buttons are bound.
class ButtonObserverTest : public ControlBench
{
protected:
    ButtonObserverTest()
        : button(addControl(WindowKind::Button, 3012)), command(addParameter(9, 0, 32)),
          status(&protocol, ParameterId('b', 8), ParameterValue(0), ParameterValue(32))
    {
        button.on(Notification::Clicked, [this](Platform::Event&) { commandObserver->click(); });
    }

    void bind(std::int16_t aCommandValue)
    {
        coordinator = std::make_unique<ButtonCoordinator>(&button);
        commandObserver = std::make_unique<Win32ButtonControlOnlyObserver>(coordinator.get(), aCommandValue);
        statusObserver = std::make_unique<Win32ButtonStatusObserver>(coordinator.get(), aCommandValue);
        command.attach(commandObserver.get());
        status.attach(statusObserver.get());
    }

    void reportStatus(int aValue)
    {
        ParameterValueMap values;
        values[status.id()] = ParameterValue(aValue);
        status.update(values);
    }

    Platform::Window& button;
    ControlParameter& command;
    Parameter status;
    std::unique_ptr<ButtonCoordinator> coordinator;
    std::unique_ptr<Win32ButtonControlOnlyObserver> commandObserver;
    std::unique_ptr<Win32ButtonStatusObserver> statusObserver;
};

TEST_F(ButtonObserverTest, TheCoordinatorStartsFromTheButtonsLook)
{
    button.setPressed(true);
    ButtonCoordinator pressed(&button);
    EXPECT_TRUE(pressed.pressed());
    EXPECT_FALSE(pressed.pressedByStatus());
    button.setPressed(false);
    pressed.applyPressedLook();
    EXPECT_TRUE(button.isPressed());
}

TEST_F(ButtonObserverTest, AClickWritesTheCommandValueEvenWhenTheParameterHoldsIt)
{
    bind(3);
    report(command, 3);
    ASSERT_TRUE(user.click(3012));
    ASSERT_TRUE(user.click(3012));
    EXPECT_EQ((std::vector<int>{3, 3}), writtenValues());
    EXPECT_EQ(3, commandObserver->cachedValue().toShort());
}

TEST_F(ButtonObserverTest, APressedStatusKeepsTheLookAndSendsNothing)
{
    bind(5);
    reportStatus(5);
    EXPECT_TRUE(button.isPressed());
    EXPECT_TRUE(coordinator->pressedByStatus());
    ASSERT_TRUE(user.click(3012));
    EXPECT_TRUE(button.isPressed()) << "the push's release is undone";
    EXPECT_TRUE(unit.writes.empty());

    reportStatus(4);
    EXPECT_FALSE(button.isPressed());
    ASSERT_TRUE(user.click(3012));
    EXPECT_EQ(std::vector<int>{5}, writtenValues());
}

TEST_F(ButtonObserverTest, StatusValuesListPressTheButtonForEachOfThem)
{
    bind(5);
    statusObserver->addValue(7);
    reportStatus(7);
    EXPECT_TRUE(button.isPressed());
    reportStatus(6);
    EXPECT_FALSE(button.isPressed());
    EXPECT_FALSE(coordinator->pressedByStatus());
}

struct EnableCase
{
    std::int16_t commandValue;
    int minimum;
    int maximum;
    bool available;
    bool enabled;
};

const EnableCase enableCases[] = {
    {1, 0, 32, true, true},
    {0, 0, 32, true, true},
    {32, 0, 32, true, true},
    {33, 0, 32, true, false},
    {-1, 0, 32, true, false},
    {1, 0, 32, false, false},
};

TEST_F(ButtonObserverTest, ACommandOutsideTheRangeOrAnUnavailableParameterDisablesTheButton)
{
    for (const EnableCase& c : enableCases)
    {
        SCOPED_TRACE(testing::Message() << "command " << c.commandValue);
        ControlParameter& parameter = addParameter(static_cast<std::int8_t>(&c - enableCases), c.minimum, c.maximum);
        parameter.setAvailable(c.available);
        ButtonCoordinator buttonCoordinator(&button);
        Win32ButtonControlOnlyObserver observer(&buttonCoordinator, c.commandValue);
        parameter.attach(&observer);
        EXPECT_EQ(c.enabled, button.isEnabled());
    }
}

TEST_F(ButtonObserverTest, TheStatusObserverShowsTheAvailability)
{
    bind(5);
    status.setAvailable(false);
    EXPECT_FALSE(button.isEnabled());
    status.setAvailable(true);
    EXPECT_TRUE(button.isEnabled());
}

TEST_F(ButtonObserverTest, ATwoBitmapButtonShowsTheBitmapThePredicateChooses)
{
    resources.addBitmap(147, Platform::Bitmap(8, 8, Platform::Colour(0, 255, 0)));
    resources.addBitmap(4014, Platform::Bitmap(8, 8));
    const LoadedBitmap on = *LoadedBitmap::load(resources, 147);
    const LoadedBitmap off = *LoadedBitmap::load(resources, 4014);
    const Positive positive;
    ButtonCoordinator buttonCoordinator(&button);
    Win32TwoBitmapButtonObserver observer(&buttonCoordinator, &positive, &on, &off);
    status.attach(&observer);
    EXPECT_EQ(4014u, button.image());
    reportStatus(2);
    EXPECT_EQ(147u, button.image());
    buttonCoordinator.setBitmap(nullptr);
    EXPECT_EQ(0u, button.image());
}
}
