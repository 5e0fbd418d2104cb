#include "ControlBench.h"

#include "Toolkit/Controls/Win32ComboBoxObserver.h"
#include "Toolkit/Controls/Win32EditObserver.h"
#include "Toolkit/Parameter/IntegerTextConverter.h"
#include "Toolkit/Parameter/ParameterSet.h"
#include "Toolkit/Parameter/VornaException.h"

#include <gtest/gtest.h>

using Platform::Notification;
using Platform::WindowKind;

namespace
{
// Observers bound by id through a device's parameter set, as the panels bind them.
class ParameterSetBindingTest : public ControlBench
{
protected:
    ParameterSetBindingTest()
        : set(&protocol), box(addControl(WindowKind::ComboBox, 1020)), edit(addControl(WindowKind::Edit, 1044)),
          converter(2)
    {
        resources.strings().addRun(5000, {"Off", "Film Light", "Film Standard", "Music Light"});
        set.controlCollection().add(
            ControlParameter(&protocol, ParameterId('B', 20), ParameterValue(0), ParameterValue(3)));
        set.controlCollection().add(
            ControlParameter(&protocol, ParameterId('B', 21), ParameterValue(1), ParameterValue(31)));
        box.on(Notification::SelectionChanged, [this](Platform::Event&) { comboObserver->selectionChange(); });
        edit.on(Notification::EditChanged, [this](Platform::Event&) {
            if (editObserver)
            {
                editObserver->commit();
            }
        });
        comboObserver = std::make_unique<Win32ComboBoxObserver>(&box, 5000, 5003, resources.strings());
        editObserver = std::make_unique<Win32EditObserver>(&edit, &converter);
    }

    ParameterSet set;
    Platform::Window& box;
    Platform::Window& edit;
    IntegerTextConverter converter;
    std::unique_ptr<Win32ComboBoxObserver> comboObserver;
    std::unique_ptr<Win32EditObserver> editObserver;
};

TEST_F(ParameterSetBindingTest, ControlsShowWhatAFullReadBringsAndSendTheUsersChoice)
{
    unit.values()[ParameterId('B', 20)] = ParameterValue(2);
    unit.values()[ParameterId('B', 21)] = ParameterValue(27);
    set.attachControlObserver(ParameterId('B', 20), comboObserver.get());
    set.attachControlObserver(ParameterId('B', 21), editObserver.get());
    EXPECT_EQ(0, box.selection());
    EXPECT_EQ("01", edit.text());

    set.refreshControls();
    EXPECT_EQ("Film Standard", box.text());
    EXPECT_EQ("27", edit.text());
    EXPECT_TRUE(unit.writes.empty());

    ASSERT_TRUE(user.pick(1020, 3));
    ASSERT_TRUE(user.type(1044, "9"));
    ASSERT_EQ(2u, unit.writes.size());
    EXPECT_EQ(ParameterId('A', 20), unit.writes[0].first);
    EXPECT_EQ(3, unit.values()[ParameterId('B', 20)].toShort());
    EXPECT_EQ(ParameterId('A', 21), unit.writes[1].first);
    EXPECT_EQ(9, unit.values()[ParameterId('B', 21)].toShort());
    EXPECT_EQ("Music Light", box.text());
}

TEST_F(ParameterSetBindingTest, AnUnknownIdIsTheSetsError)
{
    EXPECT_THROW(set.attachControlObserver(ParameterId('B', 22), comboObserver.get()), VornaException);
    EXPECT_EQ(nullptr, comboObserver->subject());
}
}
