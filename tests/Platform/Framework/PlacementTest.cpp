#include "MiniatureProgram.h"

#include "Platform/Framework/WindowPlacement.h"
#include "Platform/ProfileStore.h"

#include <gtest/gtest.h>

namespace
{
using namespace Miniature;
using Platform::Rectangle;
using Platform::WindowPlacement;

const char* const names[] = {"flags", "showCmd", "x1", "y1", "x2", "y2"};

class PlacementTest : public Fixture, public ::testing::Test
{
protected:
    void store(const std::vector<int>& aValues)
    {
        Platform::ProfileStore profile(programName);
        for (std::size_t index = 0; index < aValues.size(); ++index)
        {
            ASSERT_TRUE(profile.writeInt("Settings", names[index], aValues[index]));
        }
    }

    std::vector<int> stored() const
    {
        Platform::ProfileStore profile(programName);
        std::vector<int> values;
        for (const char* name : names)
        {
            values.push_back(profile.getInt("Settings", name, -2));
        }
        return values;
    }
};

TEST_F(PlacementTest, AFirstStartShowsTheDefaultPlacementAndClosingWritesAllSix)
{
    TestApplication application;
    ASSERT_TRUE(start(application));
    EXPECT_FALSE(application.placementRestored);
    EXPECT_TRUE(application.frame()->window().isShown());
    const Rectangle shown = application.frame()->window().rectangle();
    EXPECT_EQ((std::vector<int>{-2, -2, -2, -2, -2, -2}), stored());

    user.closeWindow();
    EXPECT_EQ((std::vector<int>{0, WindowPlacement::showNormal, shown.left, shown.top, shown.right, shown.bottom}),
              stored());
}

TEST_F(PlacementTest, AStoredPlacementIsRestoredAndTheSessionEndWritesItBack)
{
    store({0, WindowPlacement::showNormal, 100, 120, 600, 500});
    TestApplication application;
    ASSERT_TRUE(start(application));
    EXPECT_TRUE(application.placementRestored);
    EXPECT_TRUE(application.frame()->window().isShown());
    EXPECT_EQ(Rectangle(100, 120, 600, 500), application.frame()->window().rectangle());

    application.frame()->resizeByUser(Rectangle(110, 130, 500, 400));
    user.endSession();
    EXPECT_EQ((std::vector<int>{0, WindowPlacement::showNormal, 110, 130, 500, 400}), stored());
}

TEST_F(PlacementTest, ACornerOffTheScreenComesBackByOneIcon)
{
    backend.setScreen(Rectangle(0, 0, 800, 600), 32);
    store({0, WindowPlacement::showNormal, 790, 568, 1200, 900});
    TestApplication application;
    ASSERT_TRUE(start(application));
    EXPECT_EQ(Rectangle(768, 568, 1200, 900), application.frame()->window().rectangle());

    WindowPlacement inside;
    inside.normal = Rectangle(767, 567, 900, 700);
    inside.keepReachable(800, 600, 32, 32);
    EXPECT_EQ(Rectangle(767, 567, 900, 700), inside.normal);
}

TEST_F(PlacementTest, AnyValueMissingOrMinusOneMeansNoPlacement)
{
    for (std::size_t missing = 0; missing < 6; ++missing)
    {
        for (bool minusOne : {false, true})
        {
            PortProfile fresh;
            const std::vector<int> values = {0, WindowPlacement::showNormal, 10, 20, 300, 400};
            Platform::ProfileStore profile(programName);
            for (std::size_t index = 0; index < 6; ++index)
            {
                if (index != missing)
                {
                    ASSERT_TRUE(profile.writeInt("Settings", names[index], values[index]));
                }
                else if (minusOne)
                {
                    ASSERT_TRUE(profile.writeInt("Settings", names[index], -1));
                }
            }
            EXPECT_FALSE(WindowPlacement::read(Platform::ProfileStore(programName), "Settings").has_value())
                << names[missing] << (minusOne ? " is -1" : " is missing");
        }
    }
    store({0, WindowPlacement::showMaximized, 10, 20, 300, 400});
    const std::optional<WindowPlacement> read = WindowPlacement::read(Platform::ProfileStore(programName), "Settings");
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(WindowPlacement::showMaximized, read->showCommand);
    EXPECT_EQ(Rectangle(10, 20, 300, 400), read->normal);
}

TEST_F(PlacementTest, AMaximizedFrameKeepsItsNormalRectangle)
{
    store({2, WindowPlacement::showMaximized, 100, 120, 600, 500});
    TestApplication application;
    ASSERT_TRUE(start(application));
    EXPECT_EQ(backend.screenArea(), application.frame()->window().rectangle());
    user.closeWindow();
    EXPECT_EQ((std::vector<int>{2, WindowPlacement::showMaximized, 100, 120, 600, 500}), stored());
}
}
