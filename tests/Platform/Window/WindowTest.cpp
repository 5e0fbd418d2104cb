#include "Platform/Window/Window.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace
{
using Platform::Colour;
using Platform::ComboStyle;
using Platform::Event;
using Platform::Notification;
using Platform::Rectangle;
using Platform::Window;
using Platform::WindowKind;
using Platform::WindowStyle;

// Records every notification of the windows it listens to.
class Recorder
{
public:
    void listen(Window& aWindow)
    {
        for (Notification notification :
             {Notification::Clicked, Notification::SelectionChanged, Notification::EditChanged,
              Notification::FocusGained, Notification::FocusLost, Notification::SpinDelta,
              Notification::TabSelectionChanging, Notification::TabSelectionChanged})
        {
            aWindow.on(notification, [this](Event& anEvent) {
                myEvents.push_back(std::make_pair(anEvent.notification, anEvent.window->id()));
            });
        }
    }
    std::vector<std::pair<Notification, int>> myEvents;
};

// --- programmatic changes never notify, except an edit's text ---

struct ProgrammaticCase
{
    const char* name;
    WindowKind kind;
    std::function<void(Window&)> change;
    bool notifiesEditChanged;
};

class ProgrammaticChangeTest : public ::testing::TestWithParam<ProgrammaticCase>
{
};

TEST_P(ProgrammaticChangeTest, NotifiesOnlyWhereTheUsersOfTheControlRelyOnIt)
{
    const ProgrammaticCase& testCase = GetParam();
    Window window(testCase.kind, 7);
    Recorder recorder;
    recorder.listen(window);
    testCase.change(window);
    if (testCase.notifiesEditChanged)
    {
        ASSERT_EQ(1u, recorder.myEvents.size()) << testCase.name;
        EXPECT_EQ(Notification::EditChanged, recorder.myEvents.front().first) << testCase.name;
    }
    else
    {
        EXPECT_TRUE(recorder.myEvents.empty()) << testCase.name;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ProgrammaticChangeTest,
    ::testing::Values(
        ProgrammaticCase{"check box set-check", WindowKind::CheckBox, [](Window& aWindow) { aWindow.setChecked(true); }, false},
        ProgrammaticCase{"radio set-check", WindowKind::RadioButton, [](Window& aWindow) { aWindow.setChecked(true); }, false},
        ProgrammaticCase{"button pressed look", WindowKind::Button, [](Window& aWindow) { aWindow.setPressed(true); }, false},
        ProgrammaticCase{"combo selection",
                         WindowKind::ComboBox,
                         [](Window& aWindow) {
                             aWindow.addString("a");
                             aWindow.addString("b");
                             aWindow.setSelection(1);
                             aWindow.deleteString(0);
                             aWindow.resetContent();
                         },
                         false},
        ProgrammaticCase{"list selection",
                         WindowKind::ListBox,
                         [](Window& aWindow) {
                             aWindow.addString("a");
                             aWindow.setSelection(0);
                         },
                         false},
        ProgrammaticCase{"tab selection",
                         WindowKind::TabControl,
                         [](Window& aWindow) {
                             aWindow.insertTab(0, "a");
                             aWindow.insertTab(1, "b");
                             aWindow.setSelection(1);
                             aWindow.deleteTab(1);
                         },
                         false},
        ProgrammaticCase{"up-down position", WindowKind::UpDown, [](Window& aWindow) { aWindow.setPosition(5); }, false},
        ProgrammaticCase{"static text", WindowKind::Static, [](Window& aWindow) { aWindow.setText("x"); }, false},
        ProgrammaticCase{"edit focus by program", WindowKind::Edit, [](Window& aWindow) { aWindow.selectText(0, -1); }, false},
        ProgrammaticCase{"edit text", WindowKind::Edit, [](Window& aWindow) { aWindow.setText("070"); }, true}));

TEST(EditTextTest, TheHandlerOfAProgrammaticChangeReadsTheNewText)
{
    Window edit(WindowKind::Edit, 1044, "15");
    std::string seen;
    edit.on(Notification::EditChanged, [&seen](Event& anEvent) { seen = anEvent.window->text(); });
    edit.setText("150");
    EXPECT_EQ("150", seen);
    EXPECT_EQ(std::make_pair(0, 0), edit.textSelection());
}

// --- items and selection ---

struct SelectionCase
{
    const char* name;
    WindowKind kind;
    std::function<void(Window&)> steps; // on a box or tab control holding "a", "b", "c" with "b" selected
    int selection;
    std::vector<std::string> items;
};

class SelectionTest : public ::testing::TestWithParam<SelectionCase>
{
};

TEST_P(SelectionTest, FollowsTheRulesOfItsKind)
{
    const SelectionCase& testCase = GetParam();
    WindowStyle style;
    style.combo = ComboStyle::DropDownList;
    Window window(testCase.kind, 1, "", style);
    for (const char* text : {"a", "b", "c"})
    {
        if (testCase.kind == WindowKind::TabControl)
        {
            window.insertTab(window.itemCount(), text);
        }
        else
        {
            window.addString(text);
        }
    }
    ASSERT_TRUE(window.setSelection(1));
    testCase.steps(window);
    EXPECT_EQ(testCase.selection, window.selection()) << testCase.name;
    EXPECT_EQ(testCase.items, window.items()) << testCase.name;
}

const std::vector<std::string> abc = {"a", "b", "c"};

INSTANTIATE_TEST_SUITE_P(
    Kinds, SelectionTest,
    ::testing::Values(
        SelectionCase{"combo: out of range selects nothing", WindowKind::ComboBox,
                      [](Window& aWindow) { EXPECT_FALSE(aWindow.setSelection(3)); }, -1, abc},
        SelectionCase{"combo: negative selects nothing", WindowKind::ComboBox,
                      [](Window& aWindow) { EXPECT_FALSE(aWindow.setSelection(-2)); }, -1, abc},
        SelectionCase{"combo: reset leaves no items and no selection", WindowKind::ComboBox,
                      [](Window& aWindow) { aWindow.resetContent(); }, -1, {}},
        SelectionCase{"combo: insert before follows", WindowKind::ComboBox,
                      [](Window& aWindow) { EXPECT_EQ(0, aWindow.insertString(0, "z")); }, 2, {"z", "a", "b", "c"}},
        SelectionCase{"combo: insert at the selection follows", WindowKind::ComboBox,
                      [](Window& aWindow) { EXPECT_EQ(1, aWindow.insertString(1, "z")); }, 2, {"a", "z", "b", "c"}},
        SelectionCase{"combo: insert after stays", WindowKind::ComboBox,
                      [](Window& aWindow) { EXPECT_EQ(2, aWindow.insertString(2, "z")); }, 1, {"a", "b", "z", "c"}},
        SelectionCase{"combo: insert -1 appends", WindowKind::ComboBox,
                      [](Window& aWindow) { EXPECT_EQ(3, aWindow.insertString(-1, "z")); }, 1, {"a", "b", "c", "z"}},
        SelectionCase{"combo: insert beyond the end adds nothing", WindowKind::ComboBox,
                      [](Window& aWindow) { EXPECT_EQ(-1, aWindow.insertString(4, "z")); }, 1, abc},
        SelectionCase{"combo: delete before follows", WindowKind::ComboBox,
                      [](Window& aWindow) { EXPECT_EQ(2, aWindow.deleteString(0)); }, 0, {"b", "c"}},
        SelectionCase{"combo: delete the selected leaves none", WindowKind::ComboBox,
                      [](Window& aWindow) { EXPECT_EQ(2, aWindow.deleteString(1)); }, -1, {"a", "c"}},
        SelectionCase{"combo: delete a bad index does nothing", WindowKind::ComboBox,
                      [](Window& aWindow) { EXPECT_EQ(-1, aWindow.deleteString(3)); }, 1, abc},
        SelectionCase{"combo: replace an item keeps the selection", WindowKind::ComboBox,
                      [](Window& aWindow) {
                          const int selected = aWindow.selection();
                          aWindow.deleteString(1);
                          aWindow.insertString(1, "B");
                          aWindow.setSelection(selected);
                      },
                      1, {"a", "B", "c"}},
        SelectionCase{"list: out of range keeps the selection", WindowKind::ListBox,
                      [](Window& aWindow) { EXPECT_FALSE(aWindow.setSelection(3)); }, 1, abc},
        SelectionCase{"list: -1 clears the selection", WindowKind::ListBox,
                      [](Window& aWindow) { EXPECT_FALSE(aWindow.setSelection(-1)); }, -1, abc},
        SelectionCase{"list: delete before follows", WindowKind::ListBox,
                      [](Window& aWindow) { aWindow.deleteString(0); }, 0, {"b", "c"}},
        SelectionCase{"list: delete the last keeps an earlier selection", WindowKind::ListBox,
                      [](Window& aWindow) { aWindow.deleteString(aWindow.itemCount() - 1); }, 1, {"a", "b"}},
        SelectionCase{"tab: out of range keeps the selection", WindowKind::TabControl,
                      [](Window& aWindow) { EXPECT_FALSE(aWindow.setSelection(5)); }, 1, abc},
        SelectionCase{"tab: insert before follows", WindowKind::TabControl,
                      [](Window& aWindow) { EXPECT_EQ(0, aWindow.insertTab(0, "z")); }, 2, {"z", "a", "b", "c"}},
        SelectionCase{"tab: insert beyond the end appends", WindowKind::TabControl,
                      [](Window& aWindow) { EXPECT_EQ(3, aWindow.insertTab(9, "z")); }, 1, {"a", "b", "c", "z"}},
        SelectionCase{"tab: delete the selected leaves none", WindowKind::TabControl,
                      [](Window& aWindow) { EXPECT_TRUE(aWindow.deleteTab(1)); }, -1, {"a", "c"}},
        SelectionCase{"tab: delete a bad index does nothing", WindowKind::TabControl,
                      [](Window& aWindow) { EXPECT_FALSE(aWindow.deleteTab(3)); }, 1, abc},
        SelectionCase{"tab: relabel", WindowKind::TabControl,
                      [](Window& aWindow) {
                          EXPECT_TRUE(aWindow.setTabText(2, "Kq310 (COM1, 8280)"));
                          EXPECT_FALSE(aWindow.setTabText(3, "x"));
                      },
                      1, {"a", "b", "Kq310 (COM1, 8280)"}},
        SelectionCase{"tab: delete all", WindowKind::TabControl, [](Window& aWindow) { aWindow.deleteAllTabs(); }, -1, {}}));

TEST(TabControlTest, TheFirstTabOfAnEmptyControlIsSelected)
{
    Window tabs(WindowKind::TabControl, 1048);
    EXPECT_EQ(-1, tabs.selection());
    tabs.insertTab(0, "Kq310");
    EXPECT_EQ(0, tabs.selection());
    tabs.deleteTab(0);
    EXPECT_EQ(-1, tabs.selection());
    tabs.insertTab(0, "Kq350");
    EXPECT_EQ(0, tabs.selection());
    EXPECT_EQ("Kq350", tabs.itemText(0));
    EXPECT_EQ("", tabs.itemText(1));
}

TEST(TabControlTest, MoreRowsOfTabsMakeTheControlTallerSoThatItsPagesShowWhole)
{
    // A page that fills the display area under one row of tabs exactly.
    Window tabs(WindowKind::TabControl, 1048, "", WindowStyle(), Rectangle(10, 20, 310, 220));
    tabs.insertTab(0, "KQ350 (Offline 0)");
    const Rectangle oneRow = tabs.displayArea();
    WindowStyle pageStyle;
    Window& page = tabs.createChild(WindowKind::Dialog, 0, "", pageStyle,
                                    Rectangle(0, 0, oneRow.width(), oneRow.height()));
    EXPECT_EQ(200, tabs.rectangle().height());
    EXPECT_EQ(oneRow.bottom, page.rectangle().bottom);

    // Enough tabs for a second row: the page moves down and the control grows with it.
    for (int index = 1; index < 8; ++index)
    {
        tabs.insertTab(index, "KQ350 (Offline " + std::to_string(index) + ")");
    }
    const Rectangle twoRows = tabs.displayArea();
    ASSERT_GT(twoRows.top, oneRow.top) << "the tabs still take one row";
    EXPECT_EQ(twoRows.top, page.rectangle().top);
    EXPECT_EQ(oneRow.height(), page.rectangle().height());
    EXPECT_LE(page.rectangle().bottom, twoRows.bottom);
    EXPECT_EQ(200 + twoRows.top - oneRow.top, tabs.rectangle().height());
    EXPECT_EQ(20, tabs.rectangle().top);

    // Back to one row: back to the layout's height.
    while (tabs.itemCount() > 1)
    {
        tabs.deleteTab(tabs.itemCount() - 1);
    }
    EXPECT_EQ(200, tabs.rectangle().height());
    EXPECT_EQ(oneRow.top, page.rectangle().top);
}

TEST(ComboBoxTest, AListOnlyComboReadsAsItsSelectedItemAndTakesNoText)
{
    Window combo(WindowKind::ComboBox, 1052);
    combo.addString("KQ310");
    combo.addString("KQ350");
    EXPECT_EQ("", combo.text());
    combo.setSelection(1);
    EXPECT_EQ("KQ350", combo.text());
    combo.setText("KQ310");
    EXPECT_EQ("KQ350", combo.text());

    WindowStyle editable;
    editable.combo = ComboStyle::DropDown;
    Window field(WindowKind::ComboBox, 1, "typed", editable);
    EXPECT_EQ("typed", field.text());
}

// --- edits ---

TEST(EditTest, KeysReplaceTheSelectionWithinTheLimitAndNotifyEachChange)
{
    Window edit(WindowKind::Edit, 1044);
    std::vector<std::string> changes;
    edit.on(Notification::EditChanged, [&changes](Event& anEvent) { changes.push_back(anEvent.window->text()); });
    edit.setTextLimit(3);
    edit.setText("070");
    edit.selectText(0, -1);
    EXPECT_EQ(0, edit.lineLength());
    for (char key : std::string("1500"))
    {
        edit.typeCharacter(key);
    }
    EXPECT_EQ("150", edit.text());
    EXPECT_EQ((std::vector<std::string>{"070", "1", "15", "150"}), changes);
    EXPECT_EQ(3, edit.lineLength());

    // A selection makes room within the limit.
    edit.selectText(1, 3);
    EXPECT_EQ(1, edit.lineLength());
    EXPECT_TRUE(edit.typeCharacter('7'));
    EXPECT_EQ("17", edit.text());

    // The program's text is never cut.
    edit.setText("123456");
    EXPECT_EQ("123456", edit.text());
}

TEST(EditTest, ReadOnlyAndDigitOnlyEditsRefuseKeys)
{
    WindowStyle digits;
    digits.digitsOnly = true;
    Window edit(WindowKind::Edit, 1202, "", digits);
    int changes = 0;
    edit.on(Notification::EditChanged, [&changes](Event&) { ++changes; });
    EXPECT_FALSE(edit.typeCharacter('x'));
    EXPECT_TRUE(edit.typeCharacter('2'));
    edit.setReadOnly(true);
    edit.selectText(0, -1);
    EXPECT_FALSE(edit.typeCharacter('3'));
    EXPECT_FALSE(edit.deleteSelection());
    EXPECT_EQ("2", edit.text());
    EXPECT_EQ(1, changes);
}

TEST(EditTest, APasteReplacesTheSelectionCutToTheLimitWithOneNotification)
{
    WindowStyle digits;
    digits.digitsOnly = true;
    struct Case
    {
        const char* name;
        WindowStyle style;
        unsigned limit;
        std::string pasted;
        bool taken;
        std::string text;
    };
    const Case cases[] = {
        {"in place of the selection", WindowStyle(), 0, "AKQ", true, "STAKQO"},
        {"cut to the limit", WindowStyle(), 5, "AKQ", true, "STAKO"},
        {"nothing fits", WindowStyle(), 3, "AKQ", false, "STUDIO"},
        {"digits into a digits-only edit", digits, 0, "42", true, "ST42O"},
        {"letters into a digits-only edit", digits, 0, "4x", false, "STUDIO"},
        {"nothing pasted", WindowStyle(), 0, "", false, "STUDIO"},
    };
    for (const Case& c : cases)
    {
        Window edit(WindowKind::Edit, 1061, "", c.style);
        edit.setText("STUDIO");
        edit.setTextLimit(c.limit);
        edit.selectText(2, 5);
        int changes = 0;
        edit.on(Notification::EditChanged, [&changes](Event&) { ++changes; });
        EXPECT_EQ(c.taken, edit.replaceSelection(c.pasted)) << c.name;
        EXPECT_EQ(c.text, edit.text()) << c.name;
        EXPECT_EQ(c.taken ? 1 : 0, changes) << c.name;
        if (c.taken)
        {
            // The caret stands after the pasted text.
            EXPECT_EQ(std::make_pair(static_cast<int>(c.text.size()) - 1, static_cast<int>(c.text.size()) - 1),
                      edit.textSelection())
                << c.name;
        }
    }
    Window readOnly(WindowKind::Edit, 1061, "");
    readOnly.setReadOnly(true);
    EXPECT_FALSE(readOnly.replaceSelection("A"));
}

TEST(EditTest, SelectingAndDeletingFollowTheText)
{
    Window edit(WindowKind::Edit, 1, "12:34");
    edit.selectText(4, 1);
    EXPECT_EQ(std::make_pair(1, 4), edit.textSelection());
    edit.selectText(3, 99);
    EXPECT_EQ(std::make_pair(3, 5), edit.textSelection());
    EXPECT_TRUE(edit.deleteSelection());
    EXPECT_EQ("12:", edit.text());
    EXPECT_FALSE(edit.deleteSelection());
    edit.selectText(-1, 0);
    EXPECT_EQ(std::make_pair(3, 3), edit.textSelection());
}

// --- ranges and positions ---

TEST(RangeTest, UpDownsAndProgressBarsKeepTheirPositionInRange)
{
    Window upDown(WindowKind::UpDown, 1041);
    EXPECT_EQ(100, upDown.lower());
    EXPECT_EQ(0, upDown.upper());
    upDown.setPosition(-1);
    EXPECT_EQ(0, upDown.position());
    upDown.setPosition(150);
    EXPECT_EQ(100, upDown.position());
    upDown.setRange(-32128, -2);
    EXPECT_EQ(-2, upDown.position());

    Window progress(WindowKind::ProgressBar, 1000);
    EXPECT_EQ(0, progress.lower());
    EXPECT_EQ(100, progress.upper());
    progress.setPosition(42);
    EXPECT_EQ(42, progress.position());
    progress.setPosition(250);
    EXPECT_EQ(100, progress.position());
}

TEST(RangeTest, AccelerationsGiveTheIncrementForTheTimeHeld)
{
    Window upDown(WindowKind::UpDown, 1041);
    EXPECT_EQ(1, upDown.incrementAfter(0));
    EXPECT_EQ(5, upDown.incrementAfter(2));
    upDown.setAccelerations({{0, 2}, {2, 4}, {4, 16}, {8, 64}});
    const std::vector<std::pair<double, int>> cases = {{0, 2}, {1.9, 2}, {2, 4}, {4, 16}, {7.9, 16}, {8, 64}, {60, 64}};
    for (const auto& testCase : cases)
    {
        EXPECT_EQ(testCase.second, upDown.incrementAfter(testCase.first)) << testCase.first << " s";
    }
}

// --- radio groups ---

class RadioGroupTest : public ::testing::Test
{
protected:
    RadioGroupTest() : myDialog(WindowKind::Dialog, 0)
    {
        WindowStyle start;
        start.group = true;
        myDialog.createChild(WindowKind::RadioButton, 1003, "COM1", start);
        myDialog.createChild(WindowKind::RadioButton, 1004, "COM2");
        myDialog.createChild(WindowKind::RadioButton, 1005, "COM3");
        myDialog.createChild(WindowKind::RadioButton, 1007, "9600", start);
        myDialog.createChild(WindowKind::RadioButton, 1008, "19200");
        myDialog.createChild(WindowKind::Edit, 1018);
        myDialog.createChild(WindowKind::RadioButton, 1020, "alone");
    }
    Window myDialog;
};

TEST_F(RadioGroupTest, AGroupRunsFromItsStartToTheNextStartOrOtherKind)
{
    EXPECT_EQ(3u, myDialog.findChild(1004)->radioGroup().size());
    EXPECT_EQ(myDialog.findChild(1003), myDialog.findChild(1005)->radioGroup().front());
    EXPECT_EQ(2u, myDialog.findChild(1008)->radioGroup().size());
    EXPECT_EQ(1u, myDialog.findChild(1020)->radioGroup().size());
}

TEST_F(RadioGroupTest, IndexesReadAndWriteOneGroupOnly)
{
    EXPECT_EQ(-1, myDialog.checkedRadioIndex(1003));
    myDialog.checkRadioIndex(1003, 2);
    myDialog.checkRadioIndex(1007, 0);
    EXPECT_EQ(2, myDialog.checkedRadioIndex(1003));
    EXPECT_EQ(0, myDialog.checkedRadioIndex(1007));
    myDialog.checkRadioButton(1003, 1005, 1004);
    EXPECT_EQ(1, myDialog.checkedRadioIndex(1003));
    EXPECT_FALSE(myDialog.findChild(1005)->isChecked());
    EXPECT_TRUE(myDialog.findChild(1007)->isChecked());
}

// --- tree, visibility, focus ---

TEST(WindowTreeTest, InputReachesOnlyWhatIsShownAndEnabledAllTheWayUp)
{
    Window view(WindowKind::Dialog, 0);
    Window& tabs = view.createChild(WindowKind::TabControl, 1048);
    Window& panel = tabs.createChild(WindowKind::Dialog, 0);
    Window& box = panel.createChild(WindowKind::CheckBox, 1104);
    EXPECT_TRUE(box.isReachable());
    panel.enable(false);
    EXPECT_TRUE(box.isVisible());
    EXPECT_FALSE(box.isReachable());
    panel.enable(true);
    tabs.show(false);
    EXPECT_TRUE(box.isShown());
    EXPECT_FALSE(box.isVisible());
    EXPECT_FALSE(box.isReachable());
    EXPECT_TRUE(view.isAncestorOf(box));
    EXPECT_FALSE(box.isAncestorOf(view));
    EXPECT_EQ(&box, view.findDescendant(1104));
    EXPECT_EQ(nullptr, view.findChild(1104));
    EXPECT_EQ(&panel, box.enclosingDialog());
}

TEST(WindowTreeTest, RaisingPutsAWindowOnTopOfItsSiblings)
{
    Window tabs(WindowKind::TabControl, 110);
    Window& first = tabs.createChild(WindowKind::Dialog, 0);
    Window& second = tabs.createChild(WindowKind::Dialog, 0);
    EXPECT_EQ((std::vector<Window*>{&first, &second}), tabs.children());
    second.raise();
    EXPECT_EQ((std::vector<Window*>{&second, &first}), tabs.children());
}

TEST(FocusTest, TheLoserHearsFirstThenTheWinner)
{
    Window dialog(WindowKind::Dialog, 0);
    Window& edit = dialog.createChild(WindowKind::Edit, 1061);
    Window& button = dialog.createChild(WindowKind::Button, 1);
    Recorder recorder;
    recorder.listen(edit);
    recorder.listen(button);
    edit.setFocus();
    edit.setFocus();
    button.setFocus();
    Window::clearFocus();
    const std::vector<std::pair<Notification, int>> expected = {{Notification::FocusGained, 1061},
                                                                {Notification::FocusLost, 1061},
                                                                {Notification::FocusGained, 1},
                                                                {Notification::FocusLost, 1}};
    EXPECT_EQ(expected, recorder.myEvents);
    EXPECT_EQ(nullptr, Window::focus());
}

TEST(FocusTest, ADestroyedWindowTakesTheFocusWithItSilently)
{
    Window dialog(WindowKind::Dialog, 0);
    Window& panel = dialog.createChild(WindowKind::Dialog, 0);
    Window& edit = panel.createChild(WindowKind::Edit, 1044);
    int lost = 0;
    edit.on(Notification::FocusLost, [&lost](Event&) { ++lost; });
    edit.setFocus();
    dialog.destroyChild(panel);
    EXPECT_EQ(nullptr, Window::focus());
    EXPECT_EQ(0, lost);
}

TEST(FocusTest, AHandlerOfTheLoserMayMoveTheFocusOn)
{
    Window dialog(WindowKind::Dialog, 0);
    Window& first = dialog.createChild(WindowKind::Edit, 1202);
    Window& second = dialog.createChild(WindowKind::Edit, 1203);
    Window& third = dialog.createChild(WindowKind::Edit, 1204);
    int secondGained = 0;
    second.on(Notification::FocusGained, [&secondGained](Event&) { ++secondGained; });
    first.on(Notification::FocusLost, [&third](Event&) { third.setFocus(); });
    first.setFocus();
    second.setFocus();
    EXPECT_EQ(&third, Window::focus());
    EXPECT_EQ(0, secondGained);
    Window::clearFocus();
}

// --- painting ---

TEST(PaintTest, FillsAreClippedToTheClientAreaAndRead)
{
    Window bar(WindowKind::Static, 1404, "", WindowStyle(), Rectangle(10, 10, 110, 20));
    EXPECT_EQ(Rectangle(0, 0, 100, 10), bar.clientRectangle());
    EXPECT_FALSE(bar.colourAt(0, 0).has_value());
    bar.fillRectangle(Rectangle(-5, 0, 50, 30), Colour(0, 255, 0));
    bar.fillRectangle(Rectangle(100, 10, 50, 0), Colour(0, 0, 0)); // corners either way round
    EXPECT_EQ(Colour(0, 255, 0), *bar.colourAt(0, 9));
    EXPECT_EQ(Colour(0, 255, 0), *bar.colourAt(49, 0));
    EXPECT_EQ(Colour(0, 0, 0), *bar.colourAt(50, 5));
    EXPECT_EQ(Colour(0, 0, 0), *bar.colourAt(99, 9));
    EXPECT_FALSE(bar.colourAt(100, 0).has_value());
    EXPECT_FALSE(bar.colourAt(-1, 0).has_value());

    bar.move(Rectangle(0, 0, 100, 10)); // same size: the paint stays
    EXPECT_TRUE(bar.colourAt(0, 0).has_value());
    bar.move(Rectangle(0, 0, 80, 10));
    EXPECT_FALSE(bar.colourAt(0, 0).has_value());
    bar.fillRectangle(Rectangle(0, 0, 80, 10), Colour::buttonFace());
    bar.clearPaint();
    EXPECT_FALSE(bar.colourAt(0, 0).has_value());
}

TEST(PaintTest, PaintingWhatIsShownAlreadyIsNoChangeAndHiddenFillsAreForgotten)
{
    Window meter(WindowKind::Static, 1404, "", WindowStyle(), Rectangle(0, 0, 100, 10));
    // A meter's repaint: its bar's parts, each in its colour.
    const auto repaint = [&meter](int aLevel) {
        meter.fillRectangle(Rectangle(0, 0, aLevel, 10), Colour(0, 255, 0));
        meter.fillRectangle(Rectangle(aLevel, 0, 100, 10), Colour(0, 0, 0));
    };
    repaint(40);
    const unsigned long painted = meter.generation();
    for (int again = 0; again < 100; ++again)
    {
        repaint(40);
    }
    EXPECT_EQ(painted, meter.generation()) << "the same picture painted again is no change";
    EXPECT_EQ(2u, meter.paint().size());
    repaint(60);
    EXPECT_GT(meter.generation(), painted);
    EXPECT_EQ(Colour(0, 255, 0), *meter.colourAt(59, 5));
    EXPECT_EQ(Colour(0, 0, 0), *meter.colourAt(60, 5));
    // Fills that later ones cover whole are gone: the list stays as short as what shows.
    EXPECT_LE(meter.paint().size(), 3u);
    meter.fillRectangle(meter.clientRectangle(), Colour::buttonFace());
    EXPECT_EQ(1u, meter.paint().size());
}

TEST(GenerationTest, AChangeMarksItsWindowAndTheSubtreesAboveItOnly)
{
    Window frame(WindowKind::Frame, 0);
    Window& view = frame.createChild(WindowKind::Dialog, 1);
    Window& first = view.createChild(WindowKind::Edit, 2);
    Window& second = view.createChild(WindowKind::Edit, 3);
    const unsigned long before = Window::changeCount();
    const unsigned long secondBefore = second.generation();
    const unsigned long viewBefore = view.generation();

    first.setText("8280");
    EXPECT_GT(first.generation(), before);
    EXPECT_EQ(first.generation(), view.subtreeGeneration());
    EXPECT_EQ(first.generation(), frame.subtreeGeneration());
    EXPECT_EQ(secondBefore, second.generation()) << "a sibling is untouched";
    EXPECT_EQ(viewBefore, view.generation()) << "the parent's own state is untouched";

    const unsigned long destroyed = Window::destroyedCount();
    view.destroyChild(second);
    EXPECT_EQ(destroyed + 1, Window::destroyedCount());
    EXPECT_GT(view.generation(), viewBefore) << "losing a child changes the parent";
}

// --- handlers ---

TEST(HandlerTest, ACodeOfItsOwnComesBeforeTheHandlerForEveryCode)
{
    Window view(WindowKind::Dialog, 0);
    std::vector<int> seen;
    view.on(Notification::Command, [&seen](Event& anEvent) { seen.push_back(-anEvent.code); });
    view.on(Notification::Command, 32774, [&seen](Event& anEvent) { seen.push_back(anEvent.code); });
    EXPECT_TRUE(view.command(32774));
    EXPECT_TRUE(view.command(32775));
    EXPECT_EQ((std::vector<int>{32774, -32775}), seen);
    EXPECT_TRUE(view.hasHandler(Notification::Command, 1));
    view.on(Notification::Command, Window::Handler());
    EXPECT_FALSE(view.command(32775));
    EXPECT_FALSE(view.hasHandler(Notification::Clicked));
}

TEST(HandlerTest, ACommandUpdateHandlerDecidesTheState)
{
    Window view(WindowKind::Dialog, 0);
    EXPECT_FALSE(view.updateCommand(32774).has_value());
    bool anyDevice = false;
    view.on(Notification::CommandUpdate, [&anyDevice](Event& anEvent) { anEvent.state->enabled = anyDevice; });
    view.on(Notification::CommandUpdate, 59392, [](Event& anEvent) { anEvent.state->checked = true; });
    EXPECT_FALSE(view.updateCommand(32774)->enabled);
    anyDevice = true;
    EXPECT_TRUE(view.updateCommand(32774)->enabled);
    const Platform::CommandState toolBar = *view.updateCommand(59392);
    EXPECT_TRUE(toolBar.enabled);
    EXPECT_TRUE(toolBar.checked);
}

TEST(HandlerTest, AHandlerMayDestroyItsOwnWindow)
{
    Window tabs(WindowKind::TabControl, 1048);
    Window& panel = tabs.createChild(WindowKind::Dialog, 0);
    Window& button = panel.createChild(WindowKind::Button, 3012);
    Window::Watch watch(button);
    int calls = 0;
    button.on(Notification::Clicked, [&tabs, &panel, &calls](Event&) {
        ++calls;
        tabs.destroyChild(panel);
    });
    Event event(Notification::Clicked, button);
    EXPECT_TRUE(button.notify(event));
    EXPECT_EQ(1, calls);
    EXPECT_FALSE(watch.alive());
    EXPECT_EQ(nullptr, watch.get());
    EXPECT_TRUE(tabs.children().empty());
}

TEST(HandlerTest, OkAndCancelEndAModalDialogUnlessHandled)
{
    Window dialog(WindowKind::Dialog, 0);
    EXPECT_FALSE(dialog.command(1)); // not modal: nobody takes it
    dialog.beginModal();
    EXPECT_FALSE(dialog.command(3));
    EXPECT_FALSE(dialog.dialogEnded());
    EXPECT_TRUE(dialog.command(2));
    EXPECT_TRUE(dialog.dialogEnded());
    EXPECT_EQ(2, dialog.dialogResult());

    dialog.beginModal();
    EXPECT_FALSE(dialog.dialogEnded());
    dialog.on(Notification::Command, 1, [](Event&) {}); // a page: Enter does nothing
    EXPECT_TRUE(dialog.command(1));
    EXPECT_FALSE(dialog.dialogEnded());
    dialog.finishModal();
    EXPECT_FALSE(dialog.isModal());
}

TEST(ChangeCountTest, EveryChangeCounts)
{
    Window edit(WindowKind::Edit, 1);
    unsigned long before = Window::changeCount();
    edit.setText("x");
    EXPECT_LT(before, Window::changeCount());
    before = Window::changeCount();
    edit.enable(false);
    edit.show(false);
    edit.invalidate();
    EXPECT_EQ(before + 3, Window::changeCount());
}
}

namespace
{
TEST(WindowDeathTest, AnOperationOfAnotherKindFailsItsAssertion)
{
    struct Case
    {
        const char* call;
        std::function<void()> run;
        const char* condition;
    };
    const std::vector<Case> cases = {
        {"addString on a static", [] { Window(WindowKind::Static, 1).addString("x"); }, "isBox\\(myKind\\)"},
        {"insertTab on a combo box", [] { Window(WindowKind::ComboBox, 1).insertTab(0, "x"); },
         "myKind == WindowKind::TabControl"},
        {"setChecked on a push button", [] { Window(WindowKind::Button, 1).setChecked(true); },
         "myKind == WindowKind::CheckBox"},
        {"setTextLimit on a combo box", [] { Window(WindowKind::ComboBox, 1).setTextLimit(3); },
         "myKind == WindowKind::Edit"},
        {"endDialog on an edit", [] { Window(WindowKind::Edit, 1).endDialog(1); }, "myKind == WindowKind::Dialog"},
        {"a null child", [] { Window(WindowKind::Dialog, 0).addChild(std::unique_ptr<Window>()); }, "aChild != NULL"}};
    for (const Case& testCase : cases)
    {
        EXPECT_DEATH(testCase.run(), testCase.condition) << testCase.call;
    }
}
}
