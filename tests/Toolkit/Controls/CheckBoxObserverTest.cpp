#include "ControlBench.h"

#include "Toolkit/Controls/Win32CheckBoxObserver.h"
#include "Toolkit/Parameter/ProtocolException.h"

#include <gtest/gtest.h>

using Platform::Notification;
using Platform::WindowKind;

namespace
{
class CheckBoxObserverTest : public ControlBench
{
protected:
    CheckBoxObserverTest() : box(addControl(WindowKind::CheckBox, 1010))
    {
        // As a panel routes the click.
        box.on(Notification::Clicked, [this](Platform::Event&) { observer->click(); });
    }

    Platform::Window& box;
    std::unique_ptr<Win32CheckBoxObserver> observer;
};

struct ShownCase
{
    std::int32_t checkedValue;
    int minimum;
    int maximum;
    int value;
    bool available;
    bool checked;
    bool enabled;
};

const ShownCase shownCases[] = {
    {1, 0, 1, 1, true, true, true},
    {1, 0, 1, 0, true, false, true},
    {4, 0, 7, 4, true, true, true},
    {4, 0, 7, 5, true, false, true},
    {1, 0, 1, 1, false, true, false},          // unavailable
    {8, 0, 7, 0, true, false, false},          // the checked value lies above the range
    {-1, 0, 7, 0, true, false, false},         // ... below it
    {-1, -1, 0, -1, true, true, true},
    {0x10003, 0, 7, 3, true, true, false},     // low 16 bits match; the whole number is out of range
};

TEST_F(CheckBoxObserverTest, ShowsCheckAndEnabledStateOfTheParameter)
{
    for (const ShownCase& c : shownCases)
    {
        SCOPED_TRACE(testing::Message() << "checked value " << c.checkedValue << ", value " << c.value);
        ControlParameter& parameter = addParameter(static_cast<std::int8_t>(&c - shownCases), c.minimum, c.maximum);
        report(parameter, c.value);
        parameter.setAvailable(c.available);
        observer = std::make_unique<Win32CheckBoxObserver>(&box, c.checkedValue);
        EXPECT_FALSE(box.isChecked()) << "a new observer clears the box";
        parameter.attach(observer.get());
        EXPECT_EQ(c.checked, box.isChecked());
        EXPECT_EQ(c.enabled, box.isEnabled());
        observer.reset();
    }
}

TEST_F(CheckBoxObserverTest, AClickRequestsTheCheckedValueAndTheBoxFollowsTheUnit)
{
    ControlParameter& parameter = addParameter(3, 0, 7);
    observer = std::make_unique<Win32CheckBoxObserver>(&box, 5);
    parameter.attach(observer.get());
    ASSERT_FALSE(box.isChecked());

    ASSERT_TRUE(user.click(1010));
    EXPECT_EQ(std::vector<int>{5}, writtenValues());
    EXPECT_EQ(ParameterId('A', 3), unit.writes.at(0).first) << "written under the group before its own";
    EXPECT_EQ(5, parameter.value().toShort());
    EXPECT_TRUE(box.isChecked());

    // Unchecking always asks for 0, whatever the checked value.
    ASSERT_TRUE(user.click(1010));
    EXPECT_EQ((std::vector<int>{5, 0}), writtenValues());
    EXPECT_FALSE(box.isChecked());
}

TEST_F(CheckBoxObserverTest, ARefusedOrFailedRequestLeavesTheBoxAsItWas)
{
    ControlParameter& parameter = addParameter(3, 1, 7);
    report(parameter, 2);
    observer = std::make_unique<Win32CheckBoxObserver>(&box, 2);
    parameter.attach(observer.get());
    ASSERT_TRUE(box.isChecked());

    // 0 lies below the minimum: the parameter drops the request.
    ASSERT_TRUE(user.click(1010));
    EXPECT_TRUE(unit.writes.empty());
    EXPECT_TRUE(box.isChecked());

    // The unit keeps a value of its own: the box shows what it confirmed.
    report(parameter, 1);
    unit.keeps = ParameterValue(3);
    ASSERT_TRUE(user.click(1010));
    EXPECT_EQ(3, parameter.value().toShort());
    EXPECT_FALSE(box.isChecked());

    unit.failWrites = true;
    box.setChecked(true);
    EXPECT_THROW(observer->click(), ProtocolException);
    EXPECT_FALSE(box.isChecked()) << "put back before the error passes";
}

TEST_F(CheckBoxObserverTest, WithoutAParameterAClickAsksNothing)
{
    observer = std::make_unique<Win32CheckBoxObserver>(&box, 1);
    {
        ControlParameter gone(&protocol, ParameterId('B', 1), ParameterValue(0), ParameterValue(1));
        gone.attach(observer.get());
    }
    EXPECT_EQ(nullptr, observer->subject());
    ASSERT_TRUE(user.click(1010));
    EXPECT_TRUE(unit.writes.empty());
}

TEST_F(CheckBoxObserverTest, UpdatesFromAnotherSubjectAreIgnored)
{
    ControlParameter& own = addParameter(1, 0, 1);
    ControlParameter& other = addParameter(2, 0, 1);
    report(other, 1);
    observer = std::make_unique<Win32CheckBoxObserver>(&box, 1);
    own.attach(observer.get());
    observer->update(&other);
    EXPECT_FALSE(box.isChecked());
}
}
