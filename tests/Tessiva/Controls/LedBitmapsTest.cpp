#include "Tessiva/Controls/LedBitmaps.h"

#include "Platform/Window/Bitmap.h"
#include "Platform/Window/Colour.h"
#include "Platform/Window/Resources.h"

#include <gtest/gtest.h>

namespace
{
using Platform::Bitmap;
using Platform::Colour;

struct LedCase
{
    unsigned id;
    Colour lamp;
};

// Each lamp is lit in its colour in the middle; its corners are left
// transparent, so the panel's own background shows around it.
TEST(LedBitmapsTest, EachLampIsLitInTheMiddleAndSeeThroughAtTheCorners)
{
    Platform::Resources resources;
    LedBitmaps::addResources(resources);
    const LedCase cases[] = {
        {LedBitmaps::on, Colour(0, 255, 0)}, {LedBitmaps::off, Colour(0, 96, 0)}, {LedBitmaps::red, Colour(255, 0, 0)}};
    for (const LedCase& c : cases)
    {
        SCOPED_TRACE(c.id);
        const Bitmap* led = resources.bitmap(c.id);
        ASSERT_NE(nullptr, led);
        const int right = led->width() - 1;
        const int bottom = led->height() - 1;
        EXPECT_FALSE(led->isOpaque());
        for (const auto& corner : {std::make_pair(0, 0), std::make_pair(right, 0), std::make_pair(0, bottom),
                                   std::make_pair(right, bottom)})
        {
            EXPECT_TRUE(led->isTransparent(corner.first, corner.second)) << corner.first << "," << corner.second;
        }
        EXPECT_FALSE(led->isTransparent(led->width() / 2, led->height() / 2));
        EXPECT_EQ(c.lamp, led->pixel(led->width() / 2, led->height() / 2));
        // The lamp reaches out to its rim: only what lies outside it is see-through.
        EXPECT_FALSE(led->isTransparent(led->width() / 2, 1));
        EXPECT_EQ(c.lamp, led->pixel(1, led->height() / 2));
    }
}
}
