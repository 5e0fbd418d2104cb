#include "ControlBench.h"

#include "Tessiva/Controls/EncoderStateSelector.h"
#include "Toolkit/Controls/Win32StringListBoxObserver.h"
#include "Toolkit/Parameter/VornaException.h"

#include <gtest/gtest.h>

#include <array>

using Platform::WindowKind;

namespace
{
using EncoderStateSelectorTest = ControlBench;

struct EncoderStateCase
{
    int requested;
    bool showsB;
};

TEST_F(EncoderStateSelectorTest, TheEncoderStateSelectorShowsExactlyOneOfTheTwoLists)
{
    Platform::Window& listA = addControl(WindowKind::ListBox, 1003);
    Platform::Window& listB = addControl(WindowKind::ListBox, 1004);
    ControlParameter& requested = addParameter(0, -1, 2);
    EncoderStateSelector selector(&listA, &listB);
    requested.attach(&selector);
    EXPECT_TRUE(listA.isShown());
    EXPECT_FALSE(listB.isShown());
    const EncoderStateCase cases[] = {{1, true}, {-1, false}, {2, true}, {0, false}, {2, true}};
    for (const EncoderStateCase& c : cases)
    {
        SCOPED_TRACE(c.requested);
        report(requested, c.requested);
        EXPECT_EQ(!c.showsB, listA.isShown());
        EXPECT_EQ(c.showsB, listB.isShown());
    }
    requested.setAvailable(false);
    EXPECT_TRUE(listB.isShown()) << "availability is not shown";
    EXPECT_TRUE(listA.isEnabled());
    EXPECT_TRUE(listB.isEnabled());
}

TEST_F(EncoderStateSelectorTest, AnIdleEncoderReadsStoppedOrNotEncodingAsTheRequestChooses)
{
    resources.strings().addRun(20100, {"Stopped", "Encoding", "Clearing...", "Pre-Rolling...", "Not Encoding",
                                       "Encoding", "Clearing...", "Pre-Rolling..."});
    Platform::Window& listA = addControl(WindowKind::ListBox, 1003);
    Platform::Window& listB = addControl(WindowKind::ListBox, 1004);
    ControlParameter& requested = addParameter(0, 0, 2);
    Parameter state(&protocol, ParameterId('F', 0), ParameterValue(0), ParameterValue(3));
    Win32StringListBoxObserver stateA(&listA, 20100, 20103, resources.strings());
    Win32StringListBoxObserver stateB(&listB, 20104, 20107, resources.strings());
    EncoderStateSelector selector(&listA, &listB);
    state.attach(&stateA);
    state.attach(&stateB);
    requested.attach(&selector);

    const auto shownState = [&] {
        const Platform::Window& shown = listA.isShown() ? listA : listB;
        EXPECT_NE(listA.isShown(), listB.isShown());
        return shown.itemText(shown.selection());
    };
    EXPECT_EQ("Stopped", shownState());
    requested.setValue(ParameterValue(1));
    EXPECT_EQ("Not Encoding", shownState());
    ParameterValueMap values;
    values[state.id()] = ParameterValue(3);
    state.update(values);
    EXPECT_EQ("Pre-Rolling...", shownState());
    requested.setValue(ParameterValue(0));
    EXPECT_EQ("Pre-Rolling...", shownState());
}

TEST_F(EncoderStateSelectorTest, TheEncoderStateSelectorRefusesAMissingWindow)
{
    Platform::Window& list = addControl(WindowKind::ListBox, 1003);
    const std::array<std::array<Platform::Window*, 2>, 3> missing = {
        {{{nullptr, &list}}, {{&list, nullptr}}, {{nullptr, nullptr}}}};
    for (const auto& windows : missing)
    {
        SCOPED_TRACE(&windows - missing.data());
        try
        {
            EncoderStateSelector selector(windows[0], windows[1]);
            ADD_FAILURE() << "no error";
        }
        catch (const VornaException& error)
        {
            EXPECT_STREQ("NULL encoder state window.", error.what());
        }
    }
}
}
