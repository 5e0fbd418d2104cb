#include "ControlBench.h"

#include "Toolkit/Controls/LoadedBitmap.h"
#include "Toolkit/Controls/ReadOnlyListBox.h"
#include "Toolkit/Controls/ValuePredicate.h"
#include "Toolkit/Controls/Win32BitmapObserver.h"
#include "Toolkit/Controls/Win32NumberListBoxObserver.h"
#include "Toolkit/Controls/Win32ShowHideObserver.h"
#include "Toolkit/Controls/Win32StringListBoxObserver.h"
#include "Toolkit/Controls/Win32WindowSelectObserver.h"
#include "Toolkit/Parameter/VornaException.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

using Platform::WindowKind;

namespace
{
using Items = std::vector<std::string>;

class BitMask : public ValuePredicate
{
public:
    explicit BitMask(int aMask) : myMask(aMask) {}
    bool test(const ParameterValue& aValue) const override { return (aValue.toShort() & myMask) != 0; }

private:
    int myMask;
};

// Status parameters of group 'b', fed as a poll feeds them.
class StatusObserverTest : public ControlBench
{
protected:
    StatusObserverTest() : status(&protocol, ParameterId('b', 12), ParameterValue(0), ParameterValue(255))
    {
        // Placeholders for the program's LEDs: lit, unlit, red.
        resources.addBitmap(147, Platform::Bitmap(8, 8, Platform::Colour(0, 255, 0)));
        resources.addBitmap(4014, Platform::Bitmap(8, 8));
        resources.addBitmap(148, Platform::Bitmap(8, 8, Platform::Colour(255, 0, 0)));
        resources.strings().addRun(13001, {"Off", "On", "Auto"});
    }

    void poll(int aValue)
    {
        ParameterValueMap values;
        values[status.id()] = ParameterValue(aValue);
        status.update(values);
    }

    Parameter status;
};

TEST_F(StatusObserverTest, LoadedBitmapsKnowTheirIdsAndMissingOnesAreEmpty)
{
    const std::optional<LoadedBitmap> on = LoadedBitmap::load(resources, 147);
    ASSERT_TRUE(on);
    EXPECT_EQ(147u, on->id());
    EXPECT_EQ(Platform::Colour(0, 255, 0), on->bitmap().pixel(0, 0));
    EXPECT_FALSE(LoadedBitmap::load(resources, 149));
}

TEST_F(StatusObserverTest, AnLedShowsOneBitOfTheValue)
{
    Platform::Window& led = addControl(WindowKind::Static, 1071);
    const LoadedBitmap on = *LoadedBitmap::load(resources, 147);
    const LoadedBitmap off = *LoadedBitmap::load(resources, 4014);
    const BitMask bit2(4);
    Win32BitmapObserver observer(&led, &bit2, &on, &off);
    status.attach(&observer);
    EXPECT_EQ(4014u, led.image());
    poll(0x0c);
    EXPECT_EQ(147u, led.image());
    poll(0x0b);
    EXPECT_EQ(4014u, led.image());
    status.setAvailable(false);
    EXPECT_EQ(4014u, led.image()) << "availability is not shown";
    EXPECT_TRUE(led.isEnabled());
}

TEST_F(StatusObserverTest, ABitmapObserverRefusesAnyMissingPart)
{
    Platform::Window& led = addControl(WindowKind::Static, 1071);
    const LoadedBitmap on = *LoadedBitmap::load(resources, 147);
    const LoadedBitmap red = *LoadedBitmap::load(resources, 148);
    const BitMask bit0(1);
    struct Parts
    {
        Platform::Window* control;
        const ValuePredicate* predicate;
        const LoadedBitmap* whenTrue;
        const LoadedBitmap* whenFalse;
    };
    const Parts missing[] = {
        {nullptr, &bit0, &on, &red},
        {&led, nullptr, &on, &red},
        {&led, &bit0, nullptr, &red},
        {&led, &bit0, &on, nullptr},
    };
    for (const Parts& parts : missing)
    {
        SCOPED_TRACE(&parts - missing);
        try
        {
            Win32BitmapObserver observer(parts.control, parts.predicate, parts.whenTrue, parts.whenFalse);
            ADD_FAILURE() << "no error";
        }
        catch (const VornaException& error)
        {
            EXPECT_STREQ("Error initializing a Win32BitmapObserver", error.what());
        }
    }
}

TEST_F(StatusObserverTest, AStringListBoxFollowsTheLimitsAndShowsTheValue)
{
    Platform::Window& list = addControl(WindowKind::ListBox, 1401);
    Parameter deemphasis(&protocol, ParameterId('C', 1), ParameterValue(0), ParameterValue(2));
    Win32StringListBoxObserver observer(&list, 13001, 13003, resources.strings());
    EXPECT_EQ((Items{"Off", "On", "Auto"}), list.items());
    deemphasis.attach(&observer);
    EXPECT_EQ(0, list.selection());

    deemphasis.setMaximum(ParameterValue(1));
    EXPECT_EQ((Items{"Off", "On"}), list.items());
    deemphasis.setMaximum(ParameterValue(0));
    EXPECT_EQ((Items{"Off"}), list.items());
    deemphasis.setMaximum(ParameterValue(2));
    EXPECT_EQ((Items{"Off", "On", "Auto"}), list.items()) << "put back in order";

    deemphasis.setMinimum(ParameterValue(0));
    ParameterValueMap values;
    values[deemphasis.id()] = ParameterValue(2);
    deemphasis.update(values);
    deemphasis.setMinimum(ParameterValue(1));
    EXPECT_EQ((Items{"On", "Auto"}), list.items());
    EXPECT_EQ(1, list.selection());
    EXPECT_EQ(1, observer.bottom());

    deemphasis.setAvailable(false);
    EXPECT_FALSE(list.isEnabled());

    EXPECT_THROW(deemphasis.setMaximum(ParameterValue(3)), VornaException);
}

TEST_F(StatusObserverTest, ANumberListBoxShowsZeroFilledNumbers)
{
    Platform::Window& list = addControl(WindowKind::ListBox, 1503);
    Parameter hour(&protocol, ParameterId('F', 3), ParameterValue(0), ParameterValue(23));
    Win32NumberListBoxObserver observer(&list, 0, 23, 2);
    ASSERT_EQ(24, list.itemCount());
    EXPECT_EQ("00", list.itemText(0));
    EXPECT_EQ("23", list.itemText(23));
    hour.attach(&observer);
    ParameterValueMap values;
    values[hour.id()] = ParameterValue(9);
    hour.update(values);
    EXPECT_EQ(9, list.selection());
    EXPECT_EQ("09", list.itemText(list.selection()));

    hour.setMinimum(ParameterValue(8));
    EXPECT_EQ("08", list.itemText(0));
    EXPECT_EQ(1, list.selection());
    hour.setMinimum(ParameterValue(0));
    hour.setMaximum(ParameterValue(12));
    EXPECT_EQ(13, list.itemCount());
    EXPECT_EQ("00", list.itemText(0));
    EXPECT_EQ("12", list.itemText(12));
}

TEST_F(StatusObserverTest, AReadOnlyListBoxTakesNoChoiceFromTheUser)
{
    Platform::Window& list = addControl(WindowKind::ListBox, 1600);
    Platform::Window& writable = addControl(WindowKind::ListBox, 1601);
    for (const char* text : {"Off", "On", "Auto"})
    {
        writable.addString(text);
    }
    ReadOnlyListBox readOnly(&list);
    EXPECT_EQ(&list, readOnly.window());
    Win32StringListBoxObserver observer(&list, 13001, 13003, resources.strings());
    status.setMaximum(ParameterValue(2));
    status.attach(&observer);
    poll(1);
    EXPECT_FALSE(user.pick(1600, 2));
    EXPECT_EQ(1, list.selection());
    poll(2);
    EXPECT_EQ(2, list.selection()) << "the observer still sets it";
    // The same pick reaches a list that was not made read-only.
    EXPECT_TRUE(user.pick(1601, 2));
    EXPECT_EQ(2, writable.selection());
}

struct ShowHideCase
{
    int value;
    bool equalShown;
};

TEST_F(StatusObserverTest, ShowHideShowsTheWindowsOfEqualityOrDifference)
{
    Platform::Window& different = addControl(WindowKind::ComboBox, 1133);
    Platform::Window& equal = addControl(WindowKind::ListBox, 1401);
    Platform::Window& alsoEqual = addControl(WindowKind::Static, 1402);
    ControlParameter& parameter = addParameter(33, -1, 1);
    Win32ShowHideObserver observer(&different, &equal, -1);
    observer.addWindowWhenEqual(&alsoEqual);
    observer.addWindowWhenDifferent(nullptr);
    parameter.attach(&observer);
    const ShowHideCase cases[] = {{-1, true}, {0, false}, {1, false}, {-1, true}};
    for (const ShowHideCase& c : cases)
    {
        SCOPED_TRACE(c.value);
        report(parameter, c.value);
        EXPECT_EQ(c.equalShown, equal.isShown());
        EXPECT_EQ(c.equalShown, alsoEqual.isShown());
        EXPECT_EQ(!c.equalShown, different.isShown());
    }
}

TEST_F(StatusObserverTest, WindowSelectShowsTheWindowOfTheValueCountedFromTheLast)
{
    Platform::Window& first = addControl(WindowKind::Static, 1);
    Platform::Window& second = addControl(WindowKind::Static, 2);
    Platform::Window& third = addControl(WindowKind::Static, 3);
    Win32WindowSelectObserver observer(&first, &second, &third);
    Win32WindowSelectObserver withGap(nullptr, &second, nullptr);
    Parameter& selector = status;
    selector.attach(&observer);
    struct Case
    {
        int value;
        bool first;
        bool second;
        bool third;
    };
    const Case cases[] = {
        {0, false, false, true}, {1, false, true, false}, {2, true, false, false},
        {3, false, false, false}, {-1, false, false, false},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.value);
        poll(c.value);
        EXPECT_EQ(c.first, first.isShown());
        EXPECT_EQ(c.second, second.isShown());
        EXPECT_EQ(c.third, third.isShown());
    }
    second.show(true);
    Parameter other(&protocol, ParameterId('b', 13), ParameterValue(0), ParameterValue(2));
    other.attach(&withGap);
    EXPECT_FALSE(second.isShown()) << "empty entries are skipped";
}
}
