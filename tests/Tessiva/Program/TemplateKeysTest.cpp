// Keys in every template of Tessiva (panels, pages, dialogs): Tab walks them in
// reading order, Up and Down step their up-downs.
#include "Tessiva/Program/FrontPanelFactory.h"
#include "Tessiva/Program/TessivaResources.h"
#include "tests/support/ReadingOrder.h"

#include <gtest/gtest.h>

namespace
{
// The program's own resources with those of its panels and pages.
Platform::Resources everyTemplate()
{
    Platform::Resources resources = TessivaResources::create();
    FrontPanelFactory().addResources(resources);
    return resources;
}
}

TEST(TessivaTabOrderTest, EveryTemplateIsWalkedInReadingOrder)
{
    const Platform::Resources resources = everyTemplate();
    ASSERT_FALSE(resources.dialogIds().empty());
    for (unsigned id : resources.dialogIds())
    {
        EXPECT_EQ("", readingOrderFault(*resources.dialog(id))) << "template " << id;
    }
}

TEST(TessivaTabOrderTest, AStepBackUpTheSameColumnIsOutOfOrder)
{
    // Two rows, then back to a control above the second: the check must see it.
    Platform::DialogTemplate dialog(1, "", 100, 60);
    dialog.add(Platform::WindowKind::Edit, 10, "", 5, 5, 40, 12)
        .add(Platform::WindowKind::Edit, 11, "", 5, 40, 40, 12)
        .add(Platform::WindowKind::Edit, 12, "", 5, 22, 40, 12);
    EXPECT_NE("", readingOrderFault(dialog));
    Platform::DialogTemplate columns(2, "", 100, 60);
    columns.add(Platform::WindowKind::Edit, 10, "", 5, 5, 40, 12)
        .add(Platform::WindowKind::Edit, 11, "", 5, 22, 40, 12)
        .add(Platform::WindowKind::Edit, 12, "", 50, 5, 40, 12);
    EXPECT_EQ("", readingOrderFault(columns));
}

// Up and Down in an up-down's field step it, in every field that has one.
TEST(TessivaTabOrderTest, EveryUpDownStepsByArrowKeys)
{
    const Platform::Resources resources = everyTemplate();
    for (unsigned id : resources.dialogIds())
    {
        for (const Platform::DialogTemplate::Control& control : resources.dialog(id)->controls())
        {
            if (control.kind == Platform::WindowKind::UpDown)
            {
                EXPECT_TRUE(control.style.arrowKeys) << "template " << id << ", up-down " << control.id;
            }
        }
    }
}
