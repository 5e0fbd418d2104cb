// Tab walks every template of Pellora in reading order.
#include "Pellora/Program/PelloraResources.h"
#include "tests/support/ReadingOrder.h"

#include <gtest/gtest.h>

TEST(PelloraTabOrderTest, EveryTemplateIsWalkedInReadingOrder)
{
    const Platform::Resources resources = PelloraResources::create();
    ASSERT_FALSE(resources.dialogIds().empty());
    for (unsigned id : resources.dialogIds())
    {
        EXPECT_EQ("", readingOrderFault(*resources.dialog(id))) << "template " << id;
    }
}
