#include "ControlBench.h"

#include "Toolkit/Controls/ButtonCoordinator.h"
#include "Toolkit/Controls/ControlBinder.h"
#include "Toolkit/Controls/ControlObserver.h"
#include "Toolkit/Controls/Win32ButtonControlOnlyObserver.h"
#include "Toolkit/Controls/Win32CheckBoxObserver.h"
#include "Toolkit/Controls/Win32ComboBoxObserver.h"
#include "Toolkit/Controls/Win32EditObserver.h"
#include "Toolkit/Controls/Win32SpinObserver.h"
#include "Toolkit/Controls/Win32WindowTextObserver.h"
#include "Toolkit/Parameter/IntegerTextConverter.h"
#include "Toolkit/Parameter/ProtocolException.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <vector>

using Platform::Notification;
using Platform::ScriptedUser;
using Platform::WindowKind;

namespace
{
// A bench whose binder's guard counts the handlers it runs and keeps the
// message of the error one of them threw.
class ControlBinderTest : public ControlBench
{
protected:
    ControlBinderTest()
        : binder([this](const std::function<void()>& aBody) {
              ++guardedRuns;
              try
              {
                  aBody();
              }
              catch (const VornaException& anError)
              {
                  caught = anError.what();
              }
          })
    {
    }

    ControlBinder binder;
    int guardedRuns = 0;
    std::optional<std::string> caught;
};

struct SpinRangeCase
{
    const char* name;
    // Empty keeps the up-down's default range, 100 down to 0.
    std::optional<std::pair<int, int>> range;
    int position;
};

TEST_F(ControlBinderTest, TheUpArrowStepsTheValueUpWhicheverWayRoundTheRangeIs)
{
    const SpinRangeCase cases[] = {
        {"the default range", std::nullopt, 50},
        {"a rising range", std::make_pair(0, 100), 50},
        {"a falling range", std::make_pair(100, 0), 50},
        {"a rising range of 16-bit addresses", std::make_pair(static_cast<std::int16_t>(0x8080), -2), -30000},
    };
    for (const SpinRangeCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        Platform::Window& spin = addControl(WindowKind::UpDown, 1300 + static_cast<int>(&c - cases));
        if (c.range)
        {
            spin.setRange(c.range->first, c.range->second);
        }
        spin.setPosition(c.position);
        ControlParameter& parameter = addParameter(static_cast<std::int8_t>(&c - cases), 0, 1000);
        report(parameter, 500);
        std::unique_ptr<Win32SpinObserver> observer;
        binder.bind(observer, parameter, &spin);

        ASSERT_TRUE(user.spin(spin, ScriptedUser::Arrow::Up));
        EXPECT_EQ(501, parameter.value().toShort());
        EXPECT_EQ(c.position + spin.upwards(), spin.position()) << "the control's own move is let through";
        ASSERT_TRUE(user.spin(spin, ScriptedUser::Arrow::Down));
        ASSERT_TRUE(user.spin(spin, ScriptedUser::Arrow::Down));
        EXPECT_EQ(499, parameter.value().toShort());
    }
}

TEST_F(ControlBinderTest, TheMadeTypeDecidesTheRoutingNotTheMembersType)
{
    Platform::Window& spin = addControl(WindowKind::UpDown, 1310);
    Platform::Window& check = addControl(WindowKind::CheckBox, 1311);
    ControlParameter& stepped = addParameter(0, 0, 10);
    ControlParameter& clicked = addParameter(1, 0, 1);
    std::unique_ptr<Observer> spinObserver;
    std::unique_ptr<ControlObserver> checkObserver;
    binder.bind<Win32SpinObserver>(spinObserver, stepped, &spin);
    binder.bind<Win32CheckBoxObserver>(checkObserver, clicked, &check, 1);

    ASSERT_TRUE(user.spin(spin, ScriptedUser::Arrow::Up));
    EXPECT_EQ(1, stepped.value().toShort());
    ASSERT_TRUE(user.click(check));
    EXPECT_EQ(1, clicked.value().toShort());
    EXPECT_EQ(2, guardedRuns);
}

TEST_F(ControlBinderTest, ClicksAndPicksReachTheirObserversInsideTheGuard)
{
    resources.strings().addRun(5000, {"Off", "Low", "High"});
    Platform::Window& box = addControl(WindowKind::ComboBox, 1020);
    Platform::Window& check = addControl(WindowKind::CheckBox, 1021);
    Platform::Window& button = addControl(WindowKind::Button, 1022);
    ControlParameter& level = addParameter(0, 0, 2);
    ControlParameter& enabled = addParameter(1, 0, 1);
    ControlParameter& command = addParameter(2, 0, 4);
    std::unique_ptr<Win32ComboBoxObserver> levelObserver;
    std::unique_ptr<Win32CheckBoxObserver> enabledObserver;
    ButtonCoordinator coordinator(&button);
    std::unique_ptr<Win32ButtonControlOnlyObserver> commandObserver;
    binder.bind(levelObserver, level, &box, 5000u, 5002u, resources.strings());
    binder.bind(enabledObserver, enabled, &check, 1);
    binder.bind(commandObserver, command, &coordinator, 3);
    EXPECT_EQ(0, guardedRuns);

    ASSERT_TRUE(user.pick(box, 2));
    EXPECT_EQ(2, level.value().toShort());
    ASSERT_TRUE(user.click(check));
    EXPECT_EQ(1, enabled.value().toShort());
    EXPECT_TRUE(check.isChecked());
    ASSERT_TRUE(user.click(button));
    ASSERT_TRUE(user.click(button));
    EXPECT_EQ((std::vector<int>{2, 1, 3, 3}), writtenValues()) << "a command is written even when equal";
    EXPECT_EQ(4, guardedRuns);
    EXPECT_FALSE(caught.has_value());

    unit.failWrites = true;
    ASSERT_TRUE(user.pick(box, 1));
    ASSERT_TRUE(caught.has_value()) << "the observer's error reached the guard";
    EXPECT_EQ("High", box.itemText(box.selection())) << "the refused pick is put back";
}

TEST_F(ControlBinderTest, AnEditCommitsWhatIsTypedAndShowsTheValueAgainWhenLeft)
{
    Platform::Window& edit = addControl(WindowKind::Edit, 1044);
    addControl(WindowKind::Edit, 1045);
    ControlParameter& number = addParameter(0, 0, 999);
    report(number, 7);
    const IntegerTextConverter converter(3);
    std::unique_ptr<Win32EditObserver> observer;
    Win32EditObserver& bound = binder.bind(observer, number, &edit, &converter);
    EXPECT_EQ(observer.get(), &bound);
    EXPECT_EQ("007", edit.text()) << "attached to the subject";

    ASSERT_TRUE(user.type(edit, "42"));
    EXPECT_EQ(42, number.value().toShort());
    ASSERT_TRUE(user.type(edit, "x"));
    EXPECT_EQ(42, number.value().toShort());
    EXPECT_EQ("x", edit.text()) << "a refused text stays until the edit is left";
    ASSERT_TRUE(user.leave(edit));
    EXPECT_EQ("042", edit.text());
    EXPECT_GT(guardedRuns, 0);
}

TEST_F(ControlBinderTest, AnObserverThatOnlyShowsTakesNoNotification)
{
    Platform::Window& name = addControl(WindowKind::Static, 1052);
    std::unique_ptr<Win32WindowTextObserver> observer;
    std::vector<Observer*> attached;
    binder.bind(observer, [&](Observer* anObserver) { attached.push_back(anObserver); }, &name);
    EXPECT_EQ((std::vector<Observer*>{observer.get()}), attached) << "attached once, by the given call";
    for (Notification notification : {Notification::Clicked, Notification::SelectionChanged,
                                      Notification::EditChanged, Notification::FocusLost, Notification::SpinDelta})
    {
        EXPECT_FALSE(name.hasHandler(notification));
    }
}

// A kind of observer that the binder knows nothing of: it takes a button's
// clicks because it says so.
class ClickCounter : public ControlObserver
{
public:
    explicit ClickCounter(Platform::Window* aButton) : myButton(aButton) {}
    void update(Subject*) override {}
    void routeNotifications(const ControlBinder& aBinder) override
    {
        aBinder.handle(*myButton, Notification::Clicked, [this]() {
            ++clicks;
            throw ProtocolException("counted");
        });
    }

    int clicks = 0;

private:
    Platform::Window* myButton;
};

// A kind that does not say which notifications it takes.
class Unsaid : public ControlObserver
{
public:
    void update(Subject*) override {}
};

TEST_F(ControlBinderTest, ANewKindOfObserverIsRoutedAsItSaysInsideTheGuard)
{
    Platform::Window& button = addControl(WindowKind::Button, 1060);
    ControlParameter& parameter = addParameter(0, 0, 1);
    std::unique_ptr<Observer> member;
    binder.bind<ClickCounter>(member, parameter, &button);
    const ClickCounter& counter = dynamic_cast<ClickCounter&>(*member);

    ASSERT_TRUE(user.click(button));
    EXPECT_EQ(1, counter.clicks);
    EXPECT_EQ(1, guardedRuns);
    EXPECT_EQ("counted", caught.value_or("nothing caught"));
    // One that does not say cannot be made, so it cannot be bound deaf.
    EXPECT_TRUE(std::is_abstract_v<Unsaid>);
}

TEST_F(ControlBinderTest, AHandlerKeepsItsGuardWhenTheBinderIsGone)
{
    Platform::Window& check = addControl(WindowKind::CheckBox, 1010);
    ControlParameter& parameter = addParameter(0, 0, 1);
    std::unique_ptr<Win32CheckBoxObserver> observer;
    std::vector<std::string> seen;
    {
        const ControlBinder scoped([&seen](const std::function<void()>& aBody) {
            try
            {
                aBody();
            }
            catch (const VornaException& anError)
            {
                seen.push_back(anError.what());
            }
        });
        scoped.bind(observer, parameter, &check, 1);
    }
    unit.failWrites = true;
    ASSERT_TRUE(user.click(check));
    EXPECT_EQ(1u, seen.size());
    EXPECT_FALSE(check.isChecked());
}

TEST(ControlBinderGuardTest, DroppingRefusalsStopsTheProgramsErrorsOnly)
{
    bool ran = false;
    EXPECT_NO_THROW(ControlBinder::dropRefusals([&ran]() {
        ran = true;
        throw ProtocolException("refused");
    }));
    EXPECT_TRUE(ran);
    EXPECT_THROW(ControlBinder::dropRefusals([]() { throw std::logic_error("a fault"); }), std::logic_error);
}

TEST_F(ControlBinderTest, TellingRefusalsShowsTheirTextAndStopsTheProgramsErrorsOnly)
{
    user.expectMessageBox("refused");
    bool ran = false;
    EXPECT_NO_THROW(ControlBinder::tellRefusals([&ran]() {
        ran = true;
        throw ProtocolException("refused");
    }));
    EXPECT_TRUE(ran);
    ASSERT_EQ(1u, backend.messageBoxes().size());
    EXPECT_EQ("refused", backend.messageBoxes()[0].text);

    EXPECT_THROW(ControlBinder::tellRefusals([]() { throw std::logic_error("a fault"); }), std::logic_error);
    ControlBinder::tellRefusals([]() {});
    EXPECT_EQ(1u, backend.messageBoxes().size()) << "only a refusal is told";
}
}
