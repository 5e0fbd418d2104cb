#include "Platform/WaitCursor.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace
{
using Platform::WaitCursor;

class WaitCursorTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(0u, WaitCursor::depth());
        WaitCursor::setHook([this](bool aShown) { myChanges.push_back(aShown); });
    }
    void TearDown() override { WaitCursor::setHook(WaitCursor::Hook()); }

    std::vector<bool> myChanges;
};

TEST_F(WaitCursorTest, NestedBeginsShowTheCursorOnceUntilTheLastEnd)
{
    {
        WaitCursor outer;
        EXPECT_EQ(1u, WaitCursor::depth());
        {
            WaitCursor inner;
            EXPECT_EQ(2u, WaitCursor::depth());
        }
        EXPECT_EQ(1u, WaitCursor::depth());
        EXPECT_EQ(std::vector<bool>{true}, myChanges);
    }
    EXPECT_EQ(0u, WaitCursor::depth());
    EXPECT_EQ((std::vector<bool>{true, false}), myChanges);
}

TEST_F(WaitCursorTest, EndsWhenAnExceptionLeavesTheScope)
{
    EXPECT_THROW(
        {
            WaitCursor cursor;
            throw std::runtime_error("failed");
        },
        std::runtime_error);
    EXPECT_EQ(0u, WaitCursor::depth());
    EXPECT_EQ((std::vector<bool>{true, false}), myChanges);
}

TEST_F(WaitCursorTest, EndWithoutBeginIsIgnored)
{
    WaitCursor::end();
    EXPECT_EQ(0u, WaitCursor::depth());
    EXPECT_TRUE(myChanges.empty());
    WaitCursor::begin();
    EXPECT_EQ(1u, WaitCursor::depth());
    WaitCursor::end();
    EXPECT_EQ((std::vector<bool>{true, false}), myChanges);
}
}
