#include "ControlBench.h"

#include "Toolkit/Controls/ComboBoxItemTextObserver.h"
#include "Toolkit/Controls/ListBoxItemTextObserver.h"
#include "Toolkit/Controls/ShowSelectedWindowObserver.h"
#include "Toolkit/Controls/Win32WindowTextObserver.h"
#include "Toolkit/Parameter/ByteString.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

using Platform::WindowKind;

namespace
{
using Items = std::vector<std::string>;

class PanelObserverTest : public ControlBench
{
protected:
    // A value of any bytes, as a full read brings it: stored, then notified.
    static void reportText(ControlParameter& aParameter, const ParameterValue& aValue)
    {
        ParameterValueMap values;
        values[aParameter.id()] = aValue;
        aParameter.update(values);
        aParameter.notify();
    }
};

TEST_F(PanelObserverTest, AWindowTextShowsTheValueByteForByteAndTheAvailability)
{
    Platform::Window& model = addControl(WindowKind::Static, 1052);
    model.setText("Model");
    ControlParameter& name = addParameter(0, 0, 0);
    Win32WindowTextObserver observer(&model);
    EXPECT_EQ("", model.text()) << "emptied before it is attached";
    name.attach(&observer);
    EXPECT_EQ(std::string("\0\0", 2), model.text()) << "a two-byte 0 shows as its two bytes";

    reportText(name, ParameterValue(std::string("KQ350")));
    EXPECT_EQ("KQ350", model.text());
    reportText(name, ParameterValue(ByteString{'A', 0x00, 0xE9, 'z'}));
    EXPECT_EQ(std::string("A\0\xE9z", 4), model.text());
    reportText(name, ParameterValue());
    EXPECT_EQ("", model.text()) << "a value of no bytes empties the text";

    name.setAvailable(false);
    EXPECT_FALSE(model.isEnabled());
    name.setAvailable(true);
    EXPECT_TRUE(model.isEnabled());
}

TEST_F(PanelObserverTest, AWindowTextOnAButtonFollowsAConfirmedWrite)
{
    Platform::Window& recall = addControl(WindowKind::Button, 1007);
    recall.setText("123456789012");
    ControlParameter& name = addParameter(0, 0, 0);
    Win32WindowTextObserver observer(&recall);
    name.attach(&observer);
    name.write(ParameterValue(std::string("Studio A")));
    EXPECT_EQ("Studio A", recall.text());
    Parameter other(&protocol, ParameterId('d', 1), ParameterValue(0), ParameterValue(0));
    observer.update(&other);
    EXPECT_EQ("Studio A", recall.text()) << "another subject is ignored";
}

// A preset list filled from the string table, with one item observer per
// preset name; item 0 is "None".
class ItemTextObserverTest : public PanelObserverTest
{
protected:
    ItemTextObserverTest()
        : list(addControl(WindowKind::ListBox, 1509)), combo(addControl(WindowKind::ComboBox, 1035)),
          name1(addParameter(0, 0, 0)), name2(addParameter(1, 0, 0))
    {
        // No names have arrived yet.
        reportText(name1, ParameterValue(std::string()));
        reportText(name2, ParameterValue(std::string()));
        for (Platform::Window* box : {&list, &combo})
        {
            box->addString("None");
            box->addString("Preset 1");
            box->addString("Preset 2");
        }
    }

    Platform::Window& list;
    Platform::Window& combo;
    ControlParameter& name1;
    ControlParameter& name2;
};

TEST_F(ItemTextObserverTest, ANameReplacesItsItemAndTheSelectionStays)
{
    ListBoxItemTextObserver listItem1(1, &list);
    ListBoxItemTextObserver listItem2(2, &list);
    ComboBoxItemTextObserver comboItem1(1, &combo);
    ComboBoxItemTextObserver comboItem2(2, &combo);
    for (Platform::Window* box : {&list, &combo})
    {
        box->setSelection(1);
    }
    name1.attach(&listItem1);
    name2.attach(&listItem2);
    name1.attach(&comboItem1);
    name2.attach(&comboItem2);
    for (Platform::Window* box : {&list, &combo})
    {
        SCOPED_TRACE(box->id());
        EXPECT_EQ((Items{"None", "Preset 1", "Preset 2"}), box->items()) << "an empty name keeps the item's text";
        EXPECT_EQ(1, box->selection());
    }

    name1.write(ParameterValue(std::string("Studio")));
    name2.write(ParameterValue(std::string("Live")));
    for (Platform::Window* box : {&list, &combo})
    {
        SCOPED_TRACE(box->id());
        EXPECT_EQ((Items{"None", "Studio", "Live"}), box->items());
        EXPECT_EQ(1, box->selection()) << "the selected item stays selected while its text changes";
    }
    EXPECT_EQ("Studio", combo.itemText(combo.selection()));
    EXPECT_EQ("Live", listItem2.lastText());

    list.setSelection(-1);
    combo.setSelection(2);
    name1.write(ParameterValue(std::string("Studio B")));
    EXPECT_EQ(-1, list.selection()) << "no selection stays none";
    EXPECT_EQ(2, combo.selection());
    EXPECT_EQ((Items{"None", "Studio B", "Live"}), combo.items());

    name1.write(ParameterValue(std::string()));
    EXPECT_EQ((Items{"None", "", "Live"}), list.items()) << "an empty name after a name is put in";
}

TEST_F(ItemTextObserverTest, TheSameNameAgainTouchesNothing)
{
    ListBoxItemTextObserver item(2, &list);
    reportText(name2, ParameterValue(std::string("Live")));
    name2.attach(&item);
    list.setSelection(2);
    // The name is compared with the one put in last, not with the box: an
    // item changed meanwhile by other code is left alone.
    list.deleteString(2);
    list.insertString(2, "Mine");
    list.setSelection(2);
    reportText(name2, ParameterValue(std::string("Live")));
    EXPECT_EQ((Items{"None", "Preset 1", "Mine"}), list.items());
    EXPECT_EQ(2, list.selection());
}

TEST_F(ItemTextObserverTest, APositionPastTheItemsFollowsTheBoxRules)
{
    ListBoxItemTextObserver atCount(3, &list);
    ComboBoxItemTextObserver beyond(7, &combo);
    ListBoxItemTextObserver allOnes(0xFFFFFFFFu, &list);
    name1.attach(&atCount);
    name2.attach(&beyond);
    name1.write(ParameterValue(std::string("Studio")));
    name2.write(ParameterValue(std::string("Live")));
    EXPECT_EQ((Items{"None", "Preset 1", "Preset 2", "Studio"}), list.items()) << "at the count it appends";
    EXPECT_EQ((Items{"None", "Preset 1", "Preset 2"}), combo.items()) << "beyond it nothing changes";
    name2.attach(&allOnes);
    EXPECT_EQ((Items{"None", "Preset 1", "Preset 2", "Studio", "Live"}), list.items());
}

TEST_F(ItemTextObserverTest, AnItemObserverChecksItsBox)
{
    EXPECT_DEATH(ListBoxItemTextObserver(1, nullptr), "aListBox != NULL");
    EXPECT_DEATH(ComboBoxItemTextObserver(1, nullptr), "aComboBox != NULL");
    EXPECT_DEATH(ListBoxItemTextObserver(1, &combo), "kind\\(\\) == Platform::WindowKind::ListBox");
    EXPECT_DEATH(ComboBoxItemTextObserver(1, &list), "kind\\(\\) == Platform::WindowKind::ComboBox");
}

// Thirty-two name edits at one place, as the preset page has them.
class ShowSelectedWindowTest : public PanelObserverTest
{
protected:
    ShowSelectedWindowTest() : number(addParameter(0, 0, 40))
    {
        for (int index = 0; index < 32; ++index)
        {
            edits[index] = &addControl(WindowKind::Edit, 1043 + index);
        }
    }

    // The indices of the windows shown, and of those enabled.
    std::vector<int> shown() const
    {
        std::vector<int> indices;
        for (int index = 0; index < 32; ++index)
        {
            if (edits[index] != nullptr && edits[index]->isShown())
            {
                indices.push_back(index);
            }
        }
        return indices;
    }
    std::vector<int> enabled() const
    {
        std::vector<int> indices;
        for (int index = 0; index < 32; ++index)
        {
            if (edits[index] != nullptr && edits[index]->isEnabled())
            {
                indices.push_back(index);
            }
        }
        return indices;
    }

    std::array<Platform::Window*, 32> edits;
    ControlParameter& number;
};

struct SelectedCase
{
    int value;
    std::vector<int> shown;
};

TEST_F(ShowSelectedWindowTest, ShowsAndEnablesOnlyTheWindowOfTheValueCountedFromOne)
{
    ShowSelectedWindowObserver observer(&number, 32, edits.data());
    EXPECT_EQ(&number, observer.subject()) << "it attaches itself";
    const SelectedCase cases[] = {
        {3, {2}}, {1, {0}}, {32, {31}}, {0, {}}, {28, {27}}, {33, {}}, {-1, {}}, {7, {6}},
    };
    for (const SelectedCase& c : cases)
    {
        SCOPED_TRACE(c.value);
        report(number, c.value);
        EXPECT_EQ(c.shown, shown());
        EXPECT_EQ(c.shown, enabled());
    }
}

TEST_F(ShowSelectedWindowTest, ActsOnlyWhenTheValueChanged)
{
    edits[4]->show(false);
    auto observer = std::make_unique<ShowSelectedWindowObserver>(&number, 32, edits.data());
    EXPECT_EQ(31u, shown().size()) << "value 0 at first is no change: the windows keep their visibility";
    EXPECT_FALSE(edits[4]->isShown());

    report(number, 5);
    EXPECT_EQ(std::vector<int>{4}, shown());
    edits[9]->show(true);
    edits[4]->enable(false);
    report(number, 5);
    EXPECT_EQ((std::vector<int>{4, 9}), shown()) << "an unchanged value does not touch the windows";
    EXPECT_TRUE(enabled().empty()) << "nor enables the chosen one again";

    observer.reset();
    EXPECT_EQ(0u, number.observerCount()) << "detached when destroyed";
    report(number, 6);
    EXPECT_EQ((std::vector<int>{4, 9}), shown());
}

TEST_F(ShowSelectedWindowTest, SkipsWindowsNotCreatedAndTakesThemOnceTheyAre)
{
    Platform::Window* const missing = edits[2];
    edits[2] = nullptr;
    missing->show(true);
    missing->enable(true);
    ShowSelectedWindowObserver observer(&number, 32, edits.data());
    report(number, 3);
    EXPECT_TRUE(shown().empty());
    EXPECT_TRUE(missing->isShown()) << "a window not created is skipped";

    edits[2] = missing;
    report(number, 4);
    EXPECT_EQ(std::vector<int>{3}, shown());
    EXPECT_FALSE(missing->isShown());
    EXPECT_FALSE(missing->isEnabled());
}

TEST_F(ShowSelectedWindowTest, ARowShorterThanTheValuesLeavesTheWindowsPastIt)
{
    ShowSelectedWindowObserver observer(&number, 4, edits.data());
    report(number, 6);
    const std::vector<int> visible = shown();
    ASSERT_EQ(28u, visible.size()) << "the four of the row are hidden, the others are not its own";
    EXPECT_EQ(4, visible.front());
}

TEST_F(ShowSelectedWindowTest, RefusesAMissingSubjectOrRow)
{
    EXPECT_DEATH(ShowSelectedWindowObserver(nullptr, 32, edits.data()), "aSubject != NULL");
    EXPECT_DEATH(ShowSelectedWindowObserver(&number, 32, nullptr), "aFirstWindow != NULL");
    ShowSelectedWindowObserver empty(&number, 0, nullptr);
    report(number, 1);
    EXPECT_EQ(32u, shown().size());
}
}
