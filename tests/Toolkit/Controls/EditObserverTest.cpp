#include "ControlBench.h"

#include "Toolkit/Controls/Win32EditObserver.h"
#include "Toolkit/Parameter/BcdTextConverter.h"
#include "Toolkit/Parameter/HexTextConverter.h"
#include "Toolkit/Parameter/IntegerTextConverter.h"
#include "Toolkit/Parameter/ProtocolException.h"
#include "Toolkit/Parameter/StringTextConverter.h"

#include <gtest/gtest.h>

#include <string>

using Platform::Notification;
using Platform::WindowKind;

namespace
{
class EditObserverTest : public ControlBench
{
protected:
    EditObserverTest() : edit(addControl(WindowKind::Edit, 1044)), other(addControl(WindowKind::Edit, 1045))
    {
        // As a panel routes the edit's notifications.
        edit.on(Notification::EditChanged, [this](Platform::Event&) {
            if (observer)
            {
                commits.push_back(observer->commit());
            }
        });
        edit.on(Notification::FocusLost, [this](Platform::Event&) {
            if (observer)
            {
                observer->refresh();
            }
        });
    }

    void bind(ControlParameter& aParameter, const TextConverter& aConverter)
    {
        observer = std::make_unique<Win32EditObserver>(&edit, &aConverter);
        aParameter.attach(observer.get());
        commits.clear();
    }

    Platform::Window& edit;
    Platform::Window& other;
    std::unique_ptr<Win32EditObserver> observer;
    std::vector<bool> commits;
};

struct FormatCase
{
    const TextConverter* converter;
    int value;
    std::string text;
};

const IntegerTextConverter integer3(3);
const HexTextConverter hex4(4);
const BcdTextConverter bcd2(2);

const FormatCase formatCases[] = {
    {&integer3, 7, "007"},
    {&integer3, 150, "150"},
    {&hex4, 0x8280, "8280"},
    {&hex4, 0x1f, "001f"},
    {&bcd2, 0x59, "59"},
    {&bcd2, 0x05, "05"},
};

TEST_F(EditObserverTest, ShowsTheFormattedValueAndTheAvailability)
{
    for (const FormatCase& c : formatCases)
    {
        SCOPED_TRACE(c.text);
        ControlParameter& parameter = addParameter(static_cast<std::int8_t>(&c - formatCases), -32768, 32767);
        report(parameter, c.value);
        observer = std::make_unique<Win32EditObserver>(&edit, c.converter);
        EXPECT_EQ("", edit.text());
        parameter.attach(observer.get());
        EXPECT_EQ(c.text, edit.text());
        EXPECT_EQ(c.text, observer->displayedText());
        EXPECT_TRUE(edit.isEnabled());
        parameter.setAvailable(false);
        EXPECT_FALSE(edit.isEnabled());
        observer.reset();
    }
    EXPECT_TRUE(unit.writes.empty()) << "showing a value asks for nothing";
}

TEST_F(EditObserverTest, TypingRequestsEachNewTextAndKeepsItUntilRefresh)
{
    ControlParameter& parameter = addParameter(1, 0, 500);
    report(parameter, 7);
    bind(parameter, integer3);

    ASSERT_TRUE(user.type(1044, "15"));
    EXPECT_EQ((std::vector<int>{1, 15}), writtenValues());
    EXPECT_EQ(15, parameter.value().toShort());
    EXPECT_EQ("15", edit.text()) << "the notification during the commit does not rewrite the text";

    ASSERT_TRUE(user.leave(1044));
    EXPECT_EQ("015", edit.text());
    EXPECT_EQ(2u, unit.writes.size());
}

TEST_F(EditObserverTest, TheShownTextAgainAsksNothing)
{
    ControlParameter& parameter = addParameter(1, 0, 500);
    report(parameter, 7);
    bind(parameter, integer3);
    edit.setText("007");
    EXPECT_EQ(std::vector<bool>{false}, commits);
    EXPECT_FALSE(observer->commit());
    EXPECT_TRUE(unit.writes.empty());
}

TEST_F(EditObserverTest, RejectedTextAsksNothingAndStaysUntilRefresh)
{
    ControlParameter& parameter = addParameter(1, 0, 500);
    report(parameter, 7);
    bind(parameter, integer3);

    ASSERT_TRUE(user.type(1044, "x"));
    EXPECT_EQ(std::vector<bool>{false}, commits);
    EXPECT_EQ("x", edit.text());
    ASSERT_TRUE(user.type(1044, ""));
    EXPECT_EQ("", edit.text()) << "an empty text holds no number either";
    EXPECT_TRUE(unit.writes.empty());

    observer->refresh();
    EXPECT_EQ("007", edit.text());
}

TEST_F(EditObserverTest, AValueOutsideTheRangeIsDroppedByTheParameter)
{
    ControlParameter& parameter = addParameter(1, 0, 100);
    report(parameter, 7);
    bind(parameter, integer3);
    edit.setText("999");
    EXPECT_EQ(std::vector<bool>{true}, commits) << "the request was made";
    EXPECT_TRUE(unit.writes.empty());
    EXPECT_EQ(7, parameter.value().toShort());
    observer->refresh();
    EXPECT_EQ("007", edit.text());
}

TEST_F(EditObserverTest, TheUnitsAnswerIsShownOnRefresh)
{
    ControlParameter& parameter = addParameter(1, 0, 500);
    bind(parameter, integer3);
    unit.keeps = ParameterValue(100);
    edit.setText("250");
    EXPECT_EQ(100, parameter.value().toShort());
    EXPECT_EQ("250", edit.text());
    observer->refresh();
    EXPECT_EQ("100", edit.text());
}

TEST_F(EditObserverTest, AFailedRequestPassesAndLaterNotificationsShowAgain)
{
    ControlParameter& parameter = addParameter(1, 0, 500);
    bind(parameter, integer3);
    edit.on(Notification::EditChanged, [](Platform::Event&) {});
    unit.failWrites = true;
    edit.setText("42");
    EXPECT_THROW(observer->commit(), ProtocolException);
    EXPECT_EQ("42", edit.text());
    report(parameter, 9);
    EXPECT_EQ("009", edit.text()) << "the commit is over, also after an error";
}

TEST_F(EditObserverTest, TextIsCommittedAsItsCharactersWithOneWordMasked)
{
    ControlParameter& parameter = addParameter(14, -32768, 32767);
    const StringTextConverter text;
    bind(parameter, text);
    edit.setText("fuck fuck");
    ASSERT_EQ(1u, unit.writes.size());
    EXPECT_EQ("$#*! fuck", unit.writes[0].second.toString()) << "the first occurrence only";
    EXPECT_EQ("$#*! fuck", parameter.value().toString());
    EXPECT_EQ("$#*! fuck", observer->displayedText());
}

TEST_F(EditObserverTest, ShowingAValueNeverWritesItBack)
{
    // Shown text notifies a change like typed text; a value that would not
    // come back the same from its own text must still not be written.
    ControlParameter& parameter = addParameter(14, -32768, 32767);
    const StringTextConverter text;
    ParameterValueMap values;
    values[parameter.id()] = ParameterValue(std::string("fuck"));
    parameter.update(values);
    bind(parameter, text);
    EXPECT_EQ("fuck", edit.text());
    parameter.notify();
    EXPECT_TRUE(unit.writes.empty());
    EXPECT_EQ(std::vector<bool>{false}, commits);
}

TEST_F(EditObserverTest, WithoutAParameterNothingIsCommitted)
{
    observer = std::make_unique<Win32EditObserver>(&edit, &integer3);
    edit.setText("12");
    EXPECT_EQ(std::vector<bool>{false}, commits);
    observer->refresh();
    EXPECT_EQ("12", edit.text());
}
}
