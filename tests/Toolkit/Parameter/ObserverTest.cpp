#include "Toolkit/Parameter/Observer.h"

#include "Toolkit/Parameter/Parameter.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace
{
using Log = std::vector<std::string>;

// Logs every call; an optional action runs inside update.
class LoggingObserver : public Observer
{
public:
    LoggingObserver(const std::string& aName, Log& aLog) : myName(aName), myLog(aLog) {}
    void update(Subject*) override
    {
        myLog.push_back(myName);
        if (myAction)
        {
            myAction();
        }
    }
    void subjectDeleted(Subject* aSubject) override
    {
        myLog.push_back(myName + " deleted");
        Observer::subjectDeleted(aSubject);
    }

    std::function<void()> myAction;

private:
    std::string myName;
    Log& myLog;
};

TEST(Subject, AttachUpdatesTheNewObserverOnceAtOnce)
{
    Log log;
    Subject subject;
    LoggingObserver a("a", log);
    subject.attach(&a);
    EXPECT_EQ(Log{"a"}, log);
    EXPECT_EQ(&subject, a.subject());
}

TEST(Subject, NotifiesInAttachOrderAndTwiceForADoubleAttach)
{
    Log log;
    Subject subject;
    LoggingObserver a("a", log);
    LoggingObserver b("b", log);
    subject.attach(&a);
    subject.attach(&b);
    subject.attach(&a);
    log.clear();
    subject.notify();
    EXPECT_EQ((Log{"a", "b", "a"}), log);

    subject.detach(&a);
    log.clear();
    subject.notify();
    EXPECT_EQ(Log{"b"}, log);
    subject.detach(&a);
    EXPECT_EQ(1u, subject.observerCount());
}

TEST(Subject, DestroyedFirstTellsItsObserversInOrder)
{
    Log log;
    LoggingObserver a("a", log);
    LoggingObserver b("b", log);
    {
        Subject subject;
        subject.attach(&a);
        subject.attach(&b);
        log.clear();
    }
    EXPECT_EQ((Log{"a deleted", "b deleted"}), log);
    EXPECT_EQ(nullptr, a.subject());
    EXPECT_EQ(nullptr, b.subject());
}

TEST(Subject, ObserverDestroyedFirstDetachesItself)
{
    Log log;
    Subject subject;
    LoggingObserver a("a", log);
    {
        LoggingObserver b("b", log);
        subject.attach(&b);
        subject.attach(&a);
    }
    log.clear();
    subject.notify();
    EXPECT_EQ(Log{"a"}, log);
}

TEST(Subject, DetachedObserverOutlivingItsSubjectIsSafe)
{
    Log log;
    LoggingObserver a("a", log);
    {
        Subject subject;
        subject.attach(&a);
        subject.detach(&a);
        EXPECT_EQ(nullptr, a.subject());
    }
    // a's destructor must not touch the subject that is gone (checked under the sanitizers).
}

TEST(Subject, AnObserverMayDetachItselfWhileNotified)
{
    Log log;
    Subject subject;
    LoggingObserver a("a", log);
    LoggingObserver b("b", log);
    LoggingObserver c("c", log);
    subject.attach(&a);
    subject.attach(&b);
    subject.attach(&c);
    b.myAction = [&] { subject.detach(&b); };
    log.clear();
    subject.notify();
    EXPECT_EQ((Log{"a", "b", "c"}), log);
    log.clear();
    subject.notify();
    EXPECT_EQ((Log{"a", "c"}), log);
}

TEST(Subject, AnObserverDetachedByAnotherWhileNotifiedIsNotCalled)
{
    Log log;
    Subject subject;
    LoggingObserver a("a", log);
    LoggingObserver b("b", log);
    subject.attach(&a);
    subject.attach(&b);
    a.myAction = [&] { subject.detach(&b); };
    log.clear();
    subject.notify();
    EXPECT_EQ(Log{"a"}, log);
}

TEST(Subject, AnObserverDestroyedWhileNotifiedIsNeverCalledAgain)
{
    Log log;
    Subject subject;
    LoggingObserver a("a", log);
    auto b = std::make_unique<LoggingObserver>("b", log);
    LoggingObserver c("c", log);
    subject.attach(&a);
    subject.attach(b.get());
    subject.attach(&c);
    subject.attach(b.get());
    a.myAction = [&] { b.reset(); };
    log.clear();
    subject.notify();
    EXPECT_EQ((Log{"a", "c"}), log);
    EXPECT_EQ(2u, subject.observerCount());
}

TEST(Subject, AnObserverAttachedWhileNotifiedIsUpdatedOnlyByTheAttach)
{
    Log log;
    Subject subject;
    LoggingObserver a("a", log);
    LoggingObserver b("b", log);
    subject.attach(&a);
    bool attached = false;
    a.myAction = [&] {
        if (!attached)
        {
            attached = true;
            subject.attach(&b);
        }
    };
    log.clear();
    subject.notify();
    EXPECT_EQ((Log{"a", "b"}), log);
    log.clear();
    subject.notify();
    EXPECT_EQ((Log{"a", "b"}), log);
}

TEST(Subject, ASubjectDestroyedByItsObserverStopsNotifying)
{
    Log log;
    auto subject = std::make_unique<Subject>();
    LoggingObserver a("a", log);
    LoggingObserver b("b", log);
    subject->attach(&a);
    subject->attach(&b);
    a.myAction = [&] { subject.reset(); };
    log.clear();
    subject->notify();
    EXPECT_EQ((Log{"a", "a deleted", "b deleted"}), log);
    EXPECT_EQ(nullptr, a.subject());
}

TEST(Subject, AThrowingObserverLeavesTheListUsable)
{
    Log log;
    Subject subject;
    LoggingObserver a("a", log);
    LoggingObserver b("b", log);
    subject.attach(&a);
    subject.attach(&b);
    a.myAction = [&] {
        subject.detach(&b);
        throw std::runtime_error("rule refused");
    };
    EXPECT_THROW(subject.notify(), std::runtime_error);
    a.myAction = nullptr;
    subject.detach(&a);
    EXPECT_EQ(0u, subject.observerCount());
    log.clear();
    subject.notify();
    EXPECT_TRUE(log.empty());
}

TEST(Subject, AttachingToASecondSubjectDetachesFromTheFirst)
{
    Log log;
    Subject first;
    Subject second;
    LoggingObserver a("a", log);
    first.attach(&a);
    second.attach(&a);
    EXPECT_EQ(&second, a.subject());
    EXPECT_EQ(0u, first.observerCount());
    log.clear();
    first.notify();
    EXPECT_TRUE(log.empty());
}

TEST(Subject, ACopyHasNoObservers)
{
    Log log;
    Subject subject;
    LoggingObserver a("a", log);
    subject.attach(&a);
    Subject copy(subject);
    EXPECT_EQ(0u, copy.observerCount());
    copy = subject;
    EXPECT_EQ(0u, copy.observerCount());
    EXPECT_EQ(1u, subject.observerCount());
}

// Records the hooks of a ParameterObserver with the cache as each saw it.
class HookObserver : public ParameterObserver
{
public:
    HookObserver(Parameter* aSubject, Log& aLog) : ParameterObserver(aSubject), myLog(aLog) {}
    void onNewValue() override { myLog.push_back("new " + std::to_string(cachedValue().toShort())); }
    void onSubjectUpdated() override
    {
        myLog.push_back(std::string("updated ") + (cachedAvailable() ? "available" : "unavailable"));
    }

private:
    Log& myLog;
};

class ParameterObserverTest : public ::testing::Test
{
protected:
    ParameterObserverTest() : myParameter(nullptr, ParameterId('I', 1), ParameterValue(1), ParameterValue(9)) {}

    void receive(int aValue)
    {
        ParameterValueMap values;
        values[ParameterId('I', 1)] = ParameterValue(aValue);
        myParameter.update(values);
    }

    Parameter myParameter;
    Log myLog;
};

TEST_F(ParameterObserverTest, TheFirstUpdateRunsNoDerivedHook)
{
    HookObserver observer(&myParameter, myLog);
    EXPECT_TRUE(myLog.empty());
    EXPECT_EQ(&myParameter, observer.parameter());
    EXPECT_EQ(ParameterValue(1), observer.cachedValue());
}

TEST_F(ParameterObserverTest, NewValueRunsBeforeSubjectUpdated)
{
    HookObserver observer(&myParameter, myLog);
    receive(2);
    EXPECT_EQ((Log{"new 2", "updated available"}), myLog);
}

TEST_F(ParameterObserverTest, AvailabilityChangeRunsOnlySubjectUpdated)
{
    HookObserver observer(&myParameter, myLog);
    myParameter.setAvailable(false);
    EXPECT_EQ(Log{"updated unavailable"}, myLog);
}

TEST_F(ParameterObserverTest, AnUpdateFromAnotherSubjectIsIgnored)
{
    HookObserver observer(&myParameter, myLog);
    Parameter other(nullptr, ParameterId('I', 2), ParameterValue(5), ParameterValue(9));
    other.setAvailable(false);
    observer.update(&other);
    EXPECT_TRUE(myLog.empty());
    EXPECT_TRUE(observer.cachedAvailable());
    EXPECT_EQ(ParameterValue(1), observer.cachedValue());
}

// Runs an action in onNewValue and logs onSubjectUpdated.
class SelfDestroyingObserver : public ParameterObserver
{
public:
    SelfDestroyingObserver(Parameter* aSubject, Log& aLog) : ParameterObserver(aSubject), myLog(aLog) {}
    ~SelfDestroyingObserver() override { myLog.push_back("destroyed"); }
    void onNewValue() override
    {
        if (myAction)
        {
            myAction();
        }
    }
    void onSubjectUpdated() override { myLog.push_back("updated"); }

    std::function<void()> myAction;

private:
    Log& myLog;
};

TEST_F(ParameterObserverTest, AnObserverDestroyedByItsOwnHookIsNotCalledAgain)
{
    SelfDestroyingObserver* observer = new SelfDestroyingObserver(&myParameter, myLog);
    observer->myAction = [observer] { delete observer; };
    receive(2);
    EXPECT_EQ(Log{"destroyed"}, myLog);
    EXPECT_EQ(0u, myParameter.observerCount());
}

TEST_F(ParameterObserverTest, AnObserverWhoseParameterIsDestroyedByItsHookIsNotCalledAgain)
{
    auto parameter = std::make_unique<Parameter>(nullptr, ParameterId('I', 3), ParameterValue(0), ParameterValue(9));
    SelfDestroyingObserver observer(parameter.get(), myLog);
    observer.myAction = [&] { parameter.reset(); };
    ParameterValueMap values;
    values[ParameterId('I', 3)] = ParameterValue(4);
    parameter->update(values);
    EXPECT_TRUE(myLog.empty());
    EXPECT_EQ(nullptr, observer.parameter());
}

TEST_F(ParameterObserverTest, AThrowingHookLeavesTheObserverSound)
{
    auto observer = std::make_unique<SelfDestroyingObserver>(&myParameter, myLog);
    observer->myAction = [] { throw std::runtime_error("rule refused"); };
    EXPECT_THROW(receive(2), std::runtime_error);
    observer->myAction = nullptr;
    receive(3);
    observer.reset();
    EXPECT_EQ((Log{"updated", "destroyed"}), myLog);
}

TEST_F(ParameterObserverTest, ASubjectDestroyedFirstLeavesTheObserverSafe)
{
    auto parameter = std::make_unique<Parameter>(nullptr, ParameterId('I', 3), ParameterValue(0), ParameterValue(1));
    HookObserver observer(parameter.get(), myLog);
    parameter.reset();
    EXPECT_EQ(nullptr, observer.parameter());
}
}
