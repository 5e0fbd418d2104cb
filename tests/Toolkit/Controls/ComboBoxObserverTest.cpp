#include "ControlBench.h"

#include "Toolkit/Controls/Win32ComboBoxObserver.h"
#include "Toolkit/Parameter/VornaException.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using Platform::Notification;
using Platform::WindowKind;

namespace
{
using Items = std::vector<std::string>;

class ComboBoxObserverTest : public ControlBench
{
protected:
    ComboBoxObserverTest() : box(addControl(WindowKind::ComboBox, 1020))
    {
        resources.strings().addRun(5000, {"32 kHz", "44.1 kHz", "48 kHz", "88.2 kHz", "96 kHz"});
        box.on(Notification::SelectionChanged, [this](Platform::Event&) { observer->selectionChange(); });
    }

    void bind(ControlParameter& aParameter)
    {
        observer = std::make_unique<Win32ComboBoxObserver>(&box, 5000, 5004, resources.strings());
        aParameter.attach(observer.get());
    }

    Platform::Window& box;
    std::unique_ptr<Win32ComboBoxObserver> observer;
};

TEST_F(ComboBoxObserverTest, FillsTheBoxFromTheStringTable)
{
    observer = std::make_unique<Win32ComboBoxObserver>(&box, 5000, 5004, resources.strings());
    EXPECT_EQ((Items{"32 kHz", "44.1 kHz", "48 kHz", "88.2 kHz", "96 kHz"}), box.items());
    EXPECT_EQ(0, box.selection());
    EXPECT_EQ(0, observer->bottom());
    EXPECT_EQ(4, observer->top());
}

TEST_F(ComboBoxObserverTest, AMissingStringIsAnErrorThatNamesItsId)
{
    try
    {
        Win32ComboBoxObserver broken(&box, 5003, 5006, resources.strings());
        FAIL() << "no error";
    }
    catch (const VornaException& error)
    {
        EXPECT_STREQ("Unable to load the string with id: 5005", error.what());
    }
}

struct RangeCase
{
    int minimum;
    int maximum;
    int value;
    Items items;
    int selection;
};

const RangeCase rangeCases[] = {
    {0, 4, 0, {"32 kHz", "44.1 kHz", "48 kHz", "88.2 kHz", "96 kHz"}, 0},
    {0, 4, 3, {"32 kHz", "44.1 kHz", "48 kHz", "88.2 kHz", "96 kHz"}, 3},
    {2, 4, 3, {"48 kHz", "88.2 kHz", "96 kHz"}, 1},
    {0, 2, 2, {"32 kHz", "44.1 kHz", "48 kHz"}, 2},
    {1, 3, 1, {"44.1 kHz", "48 kHz", "88.2 kHz"}, 0},
    {2, 2, 2, {"48 kHz"}, 0},
};

TEST_F(ComboBoxObserverTest, ItemsFollowTheLimitsAndTheSelectionTheValue)
{
    for (const RangeCase& c : rangeCases)
    {
        SCOPED_TRACE(testing::Message() << "limits " << c.minimum << ".." << c.maximum << ", value " << c.value);
        box.resetContent();
        ControlParameter& parameter = addParameter(static_cast<std::int8_t>(&c - rangeCases), c.minimum, c.maximum);
        report(parameter, c.value);
        bind(parameter);
        EXPECT_EQ(c.items, box.items());
        EXPECT_EQ(c.selection, box.selection());
        EXPECT_EQ(c.minimum, observer->bottom());
        EXPECT_EQ(c.maximum, observer->top());
        observer.reset();
    }
}

TEST_F(ComboBoxObserverTest, ARisingMinimumDropsItemsAndAFallingOnePutsThemBackInOrder)
{
    ControlParameter& parameter = addParameter(1, 0, 4);
    report(parameter, 3);
    bind(parameter);
    parameter.setMinimum(ParameterValue(2));
    EXPECT_EQ((Items{"48 kHz", "88.2 kHz", "96 kHz"}), box.items());
    EXPECT_EQ(1, box.selection()) << "value 3 is item 3 - 2";
    parameter.setMaximum(ParameterValue(3));
    EXPECT_EQ((Items{"48 kHz", "88.2 kHz"}), box.items());
    parameter.setMinimum(ParameterValue(0));
    parameter.setMaximum(ParameterValue(4));
    EXPECT_EQ((Items{"32 kHz", "44.1 kHz", "48 kHz", "88.2 kHz", "96 kHz"}), box.items());
    EXPECT_EQ(3, box.selection());
}

TEST_F(ComboBoxObserverTest, ALimitBeyondTheStringsFailsAndLeavesTheItemsWhole)
{
    ControlParameter& parameter = addParameter(1, 0, 4);
    bind(parameter);
    EXPECT_THROW(parameter.setMaximum(ParameterValue(5)), VornaException);
    EXPECT_EQ(5, box.itemCount());
    EXPECT_EQ(4, observer->top());
    EXPECT_THROW(parameter.setMinimum(ParameterValue(-1)), VornaException);
    EXPECT_EQ(5, box.itemCount());
    EXPECT_EQ(0, observer->bottom());
}

TEST_F(ComboBoxObserverTest, APickRequestsTheItemsValueAndTheBoxWaitsForTheUnit)
{
    ControlParameter& parameter = addParameter(1, 1, 4);
    report(parameter, 1);
    bind(parameter);

    // The unit keeps its old value: the box goes back to it.
    unit.keeps = ParameterValue(1);
    ASSERT_TRUE(user.pick(1020, 2));
    EXPECT_EQ(std::vector<int>{3}, writtenValues()) << "item 2 of a list from 1 is value 3";
    EXPECT_EQ(0, box.selection());

    unit.keeps.reset();
    ASSERT_TRUE(user.pick(1020, 3));
    EXPECT_EQ(4, parameter.value().toShort());
    EXPECT_EQ(3, box.selection());

    // The item already shown asks for its own value: dropped.
    ASSERT_TRUE(user.pick(1020, 3));
    EXPECT_EQ(2u, unit.writes.size());
}

TEST_F(ComboBoxObserverTest, AnUnavailableParameterDisablesTheBox)
{
    ControlParameter& parameter = addParameter(1, 0, 4);
    bind(parameter);
    parameter.setAvailable(false);
    EXPECT_FALSE(box.isEnabled());
    EXPECT_FALSE(user.pick(1020, 1));
    parameter.setAvailable(true);
    EXPECT_TRUE(box.isEnabled());
}
}
