#include "Toolkit/Parameter/NumericDefinition.h"
#include "Toolkit/Parameter/ParameterObserver.h"
#include "Toolkit/Parameter/ParameterSet.h"
#include "Toolkit/Parameter/VornaException.h"
#include "tests/Toolkit/Parameter/FakeProtocol.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace
{
// Runs an action on every notification of its parameter (after the attach).
class ActionObserver : public ParameterObserver
{
public:
    ActionObserver(Parameter* aSubject, std::function<void()> anAction)
        : ParameterObserver(aSubject), myAction(std::move(anAction))
    {
    }
    void onSubjectUpdated() override { myAction(); }

private:
    std::function<void()> myAction;
};

class DeletionObserver : public Observer
{
public:
    explicit DeletionObserver(std::vector<std::string>& aLog, const std::string& aName) : myLog(aLog), myName(aName) {}
    ~DeletionObserver() override { myLog.push_back(myName); }

private:
    std::vector<std::string>& myLog;
    std::string myName;
};

// A small device: controls 'B' 0..1, 'E' 0, 'H' 0, the local 'O' 0; status
// 'I' 0..1, 'F' 0, 'C' 0.
class TestSet : public ParameterSet
{
public:
    explicit TestSet(AbstractProtocol* anOwner) : ParameterSet(anOwner)
    {
        for (const ParameterId& id : {ParameterId('B', 0), ParameterId('B', 1), ParameterId('E', 0), ParameterId('H', 0)})
        {
            myControlParameters.add(ControlParameter(anOwner, id, ParameterValue(0), ParameterValue(9)));
        }
        myControlParameters.add(ControlParameter(&myLocalProtocol, ParameterId('O', 0), ParameterValue(0), ParameterValue(1)));
        for (const ParameterId& id : {ParameterId('I', 0), ParameterId('I', 1), ParameterId('F', 0), ParameterId('C', 0)})
        {
            myStatusParameters.add(Parameter(anOwner, id, ParameterValue(0), ParameterValue(99)));
        }
        for (signed char group : {'I', 'F', 'C'})
        {
            addPollGroup(group);
        }
    }
};

class ParameterSetTest : public ::testing::Test
{
protected:
    ParameterSetTest() : mySet(&myUnit)
    {
        myUnit.myValues[ParameterId('B', 0)] = ParameterValue(1);
        myUnit.myValues[ParameterId('B', 1)] = ParameterValue(2);
        myUnit.myValues[ParameterId('E', 0)] = ParameterValue(3);
        myUnit.myValues[ParameterId('H', 0)] = ParameterValue(4);
        myUnit.myValues[ParameterId('I', 0)] = ParameterValue(5);
    }

    std::vector<char> polledGroups() const
    {
        std::vector<char> groups;
        for (const std::vector<ParameterId>& request : myUnit.myRequests)
        {
            groups.push_back(request.empty() ? '-' : static_cast<char>(request.front().group()));
        }
        return groups;
    }

    FakeProtocol myUnit;
    TestSet mySet;
};

TEST_F(ParameterSetTest, DispatchQueuedPollsTheRingInTurn)
{
    for (int i = 0; i < 4; ++i)
    {
        mySet.dispatchQueued();
    }
    EXPECT_EQ((std::vector<char>{'I', 'F', 'C', 'I'}), polledGroups());
    EXPECT_EQ((std::vector<ParameterId>{ParameterId('I', 0), ParameterId('I', 1)}), myUnit.myRequests.front());
    EXPECT_EQ(ParameterValue(5), mySet.statusCollection().find(ParameterId('I', 0)).value());
}

TEST_F(ParameterSetTest, AFailedPollIsRepeatedNextTime)
{
    mySet.dispatchQueued();
    myUnit.myFailReads = true;
    EXPECT_THROW(mySet.dispatchQueued(), ProtocolException);
    myUnit.myFailReads = false;
    mySet.dispatchQueued();
    EXPECT_EQ((std::vector<char>{'I', 'F', 'F'}), polledGroups());
}

TEST_F(ParameterSetTest, AnEmptyRingPollsNothing)
{
    mySet.clearPollRing();
    mySet.dispatchQueued();
    EXPECT_TRUE(myUnit.myRequests.empty());
}

TEST_F(ParameterSetTest, AGroupRefreshReadsTheGroupButNotifiesEveryOwnedControlAfterAllAreStored)
{
    ControlCollection& controls = mySet.controlCollection();
    std::vector<std::string> log;
    ActionObserver b0(&controls.find(ParameterId('B', 0)), [&] {
        log.push_back("B0 sees B1=" + std::to_string(controls.find(ParameterId('B', 1)).value().toShort()));
    });
    ActionObserver e0(&controls.find(ParameterId('E', 0)), [&] { log.push_back("E0"); });
    ActionObserver o0(&controls.find(ParameterId('O', 0)), [&] { log.push_back("O0"); });
    controls.refresh(&myUnit, 'B');
    EXPECT_EQ((std::vector<ParameterId>{ParameterId('B', 0), ParameterId('B', 1)}), myUnit.myRequests.back());
    EXPECT_EQ((std::vector<std::string>{"B0 sees B1=2", "E0"}), log);
    EXPECT_EQ(ParameterValue(0), controls.find(ParameterId('E', 0)).value());
}

TEST_F(ParameterSetTest, RefreshControlsReadsEveryOwnedControlButNoLocalOne)
{
    mySet.localStore()->values()[ParameterId('O', 0)] = ParameterValue(1);
    mySet.refreshControls();
    EXPECT_EQ((std::vector<ParameterId>{ParameterId('B', 0), ParameterId('B', 1), ParameterId('E', 0), ParameterId('H', 0)}),
              myUnit.myRequests.back());
    EXPECT_EQ(ParameterValue(4), mySet.controlCollection().find(ParameterId('H', 0)).value());
    EXPECT_EQ(ParameterValue(0), mySet.controlCollection().find(ParameterId('O', 0)).value());
}

TEST_F(ParameterSetTest, ARefreshOfAGroupWithoutParametersStillAsks)
{
    mySet.statusCollection().refresh(&myUnit, 'b');
    mySet.controlCollection().refresh(&myUnit, 0xF8);
    ASSERT_EQ(2u, myUnit.myRequests.size());
    EXPECT_TRUE(myUnit.myRequests[0].empty());
    EXPECT_TRUE(myUnit.myRequests[1].empty());
}

TEST_F(ParameterSetTest, AFailedRefreshUpdatesNothing)
{
    int notifications = 0;
    ActionObserver b0(&mySet.controlCollection().find(ParameterId('B', 0)), [&] { ++notifications; });
    myUnit.myFailReads = true;
    EXPECT_THROW(mySet.refreshControls(), ProtocolException);
    EXPECT_EQ(0, notifications);
    EXPECT_EQ(ParameterValue(0), mySet.controlCollection().find(ParameterId('B', 0)).value());
}

TEST_F(ParameterSetTest, LookupsOfMissingIdsThrowWithTheIdText)
{
    struct Case
    {
        std::function<void()> call;
        const char* message;
    };
    Observer observer;
    const std::vector<Case> cases = {
        {[&] { mySet.attachControlObserver(ParameterId('I', 0), &observer); }, "Couldn't find parameter (49, 0)\n"},
        {[&] { mySet.attachStatusObserver(ParameterId('B', 0), &observer); }, "Couldn't find parameter (42, 0)\n"},
        {[&] { mySet.copyControlValue(ParameterId('B', 7), ParameterId(0xF8, 1)); }, "Couldn't find parameter (fffffff8, 1)\n"},
        {[&] { mySet.copyStatusValue(ParameterId('B', 7), ParameterId('I', 0)); }, "Couldn't find parameter (42, 7)\n"},
        {[&] { mySet.setControlValue(ParameterId('B', 9), ParameterValue(1)); }, "Couldn't find parameter (42, 9)\n"},
    };
    for (const Case& c : cases)
    {
        try
        {
            c.call();
            ADD_FAILURE() << "no exception for " << c.message;
        }
        catch (const VornaException& e)
        {
            EXPECT_STREQ(c.message, e.what());
        }
    }
    EXPECT_EQ(nullptr, observer.subject());
    EXPECT_TRUE(myUnit.myWrites.empty());
}

TEST_F(ParameterSetTest, AttachBindsAndUpdatesAtOnce)
{
    int notifications = 0;
    class Counting : public Observer
    {
    public:
        explicit Counting(int& aCount) : myCount(aCount) {}
        void update(Subject*) override { ++myCount; }
        int& myCount;
    } observer(notifications);
    mySet.attachStatusObserver(ParameterId('F', 0), &observer);
    EXPECT_EQ(1, notifications);
    EXPECT_EQ(&mySet.statusCollection().find(ParameterId('F', 0)), observer.subject());
}

TEST_F(ParameterSetTest, CopiesRequestTheSourceValue)
{
    myUnit.myValues[ParameterId('I', 1)] = ParameterValue(7);
    myUnit.myValues[ParameterId('C', 0)] = ParameterValue(42);
    mySet.statusCollection().refreshAll(&myUnit);
    mySet.copyStatusValue(ParameterId('B', 0), ParameterId('I', 1));
    EXPECT_EQ(ParameterValue(7), mySet.controlCollection().find(ParameterId('B', 0)).value());
    mySet.copyControlValue(ParameterId('E', 0), ParameterId('B', 0));
    EXPECT_EQ(ParameterValue(7), mySet.controlCollection().find(ParameterId('E', 0)).value());
    EXPECT_EQ(2u, myUnit.myWrites.size());

    mySet.copyStatusValue(ParameterId('H', 0), ParameterId('C', 0));
    EXPECT_EQ(2u, myUnit.myWrites.size());
    EXPECT_EQ(ParameterValue(0), mySet.controlCollection().find(ParameterId('H', 0)).value());
}

TEST_F(ParameterSetTest, SetControlValueRefreshesFirstAndReturnsTheValue)
{
    EXPECT_EQ(ParameterValue(2), mySet.setControlValue(ParameterId('B', 1), ParameterValue(2)));
    EXPECT_EQ(1u, myUnit.myRequests.size());
    EXPECT_TRUE(myUnit.myWrites.empty());
    EXPECT_EQ(ParameterValue(8), mySet.setControlValue(ParameterId('B', 1), ParameterValue(8)));
    EXPECT_EQ(std::vector<ParameterId>{ParameterId('B', 1)}, myUnit.myWrites);
}

TEST_F(ParameterSetTest, SetControlValueRefreshesThroughATablesOverride)
{
    class GuardedSet : public TestSet
    {
    public:
        explicit GuardedSet(AbstractProtocol* anOwner) : TestSet(anOwner) {}
        void refreshControls() override
        {
            ++myRefreshes;
            TestSet::refreshControls();
        }
        int myRefreshes = 0;
    } set(&myUnit);
    set.setControlValue(ParameterId('B', 0), ParameterValue(6));
    EXPECT_EQ(1, set.myRefreshes);
    EXPECT_EQ(ParameterValue(6), set.controlCollection().find(ParameterId('B', 0)).value());
}

TEST_F(ParameterSetTest, AParameterObserverKeepsBothCollectionsOfItsSet)
{
    ParameterObserver observer(&mySet.controlCollection().find(ParameterId('E', 0)), &mySet.statusCollection(),
                               &mySet.controlCollection());
    EXPECT_EQ(&mySet.statusCollection(), observer.statusCollection());
    EXPECT_EQ(&mySet.controlCollection(), observer.controlCollection());
    EXPECT_EQ(&mySet.controlCollection().find(ParameterId('E', 0)), observer.parameter());
}

TEST(ParameterSet, TheDestructorDeletesOwnedObserversThenDefinitions)
{
    std::vector<std::string> log;
    FakeProtocol unit;
    {
        TestSet set(&unit);
        Parameter& watched = set.statusCollection().find(ParameterId('I', 0));
        watched.attach(&set.adoptObserver(std::make_unique<DeletionObserver>(log, "first")));
        watched.attach(&set.adoptObserver(std::make_unique<DeletionObserver>(log, "second")));
        set.adoptDefinition(std::make_unique<NumericDefinition>("Level"));
    }
    EXPECT_EQ((std::vector<std::string>{"first", "second"}), log);
}

TEST(ParameterSet, WithoutAnOwnerTheLocalProtocolOwns)
{
    ParameterSet set(nullptr);
    EXPECT_EQ(set.localProtocol(), set.owner());
    set.controlCollection().add(ControlParameter(set.owner(), ParameterId(0, 4), ParameterValue::minimum(), ParameterValue::maximum()));
    set.localStore()->values()[ParameterId(0, 4)] = ParameterValue(0x8280);
    set.refreshControls();
    EXPECT_EQ(0x8280, set.controlCollection().find(ParameterId(0, 4)).value().toUnsignedShort());
}

TEST(ParameterSet, AddReplacesAParameterUnderTheSameId)
{
    ParameterSet set(nullptr);
    set.statusCollection().add(Parameter(nullptr, ParameterId('I', 0), ParameterValue(1), ParameterValue(2)));
    set.statusCollection().add(Parameter(nullptr, ParameterId('I', 0), ParameterValue(5), ParameterValue(6)));
    EXPECT_EQ(1u, set.statusCollection().parameters().size());
    EXPECT_EQ(ParameterValue(5), set.statusCollection().find(ParameterId('I', 0)).value());
}
}
