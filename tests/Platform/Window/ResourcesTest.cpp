#include "ExampleTemplate.h"

#include "Platform/Window/DialogResult.h"
#include "Platform/Window/FileDialogRequest.h"
#include "Platform/Window/MessageBoxRequest.h"
#include "Platform/Window/Resources.h"

#include <gtest/gtest.h>

#include <fnmatch.h>

#include <algorithm>
#include <string>
#include <vector>

namespace
{
using namespace Testing;
using Platform::Bitmap;
using Platform::Colour;
using Platform::DialogResult;
using Platform::DialogTemplate;
using Platform::FileDialogRequest;
using Platform::Menu;
using Platform::MessageBoxButtons;
using Platform::MessageBoxRequest;
using Platform::Rectangle;
using Platform::Resources;
using Platform::ToolBarResource;
using Platform::Window;
using Platform::WindowKind;
using Platform::WindowStyle;

TEST(DialogTemplateTest, BuildsOneChildPerControlInTemplateOrder)
{
    const DialogTemplate example = exampleTemplate();
    std::unique_ptr<Window> dialog = example.create();
    EXPECT_EQ(WindowKind::Dialog, dialog->kind());
    EXPECT_EQ(exampleTemplateId, dialog->templateId());
    EXPECT_EQ("Open Device", dialog->text());
    EXPECT_EQ(nullptr, dialog->parent());
    EXPECT_EQ(Rectangle(0, 0, 270, 195), dialog->rectangle());

    const std::vector<Window*> children = dialog->children();
    ASSERT_EQ(example.controls().size(), children.size());
    for (std::size_t index = 0; index < children.size(); ++index)
    {
        const DialogTemplate::Control& control = example.controls()[index];
        EXPECT_EQ(control.kind, children[index]->kind()) << index;
        EXPECT_EQ(control.id, children[index]->id()) << index;
        EXPECT_EQ(dialog.get(), children[index]->parent()) << index;
    }
    EXPECT_EQ("Off Line", dialog->findChild(offLine)->text());
    EXPECT_EQ("Address", dialog->findChild(-1)->text());
    EXPECT_EQ(158u, dialog->findChild(picture)->image());
    EXPECT_TRUE(dialog->findChild(picture)->style().image);
    EXPECT_EQ(dialog->findChild(address), dialog->findChild(addressSpin)->buddy());
    EXPECT_TRUE(dialog->findChild(okButton)->style().defaultButton);
    EXPECT_EQ(Rectangle(15, 16, 135, 114), dialog->findChild(deviceType)->rectangle());
    EXPECT_EQ(&example.controls()[4], example.findControl(offLine));
    EXPECT_EQ(nullptr, example.findControl(4242));
}

TEST(DialogTemplateTest, APageIsBuiltInsideItsParentWithItsStyles)
{
    WindowStyle hidden;
    hidden.visible = false;
    WindowStyle disabled;
    disabled.disabled = true;
    DialogTemplate page(111, "", 250, 160, hidden);
    page.add(WindowKind::CheckBox, 1120, "Copyright Bit", 10, 10, 60, 10, disabled);

    Window tabs(WindowKind::TabControl, 110);
    Window& built = page.createIn(tabs);
    EXPECT_EQ(&tabs, built.parent());
    EXPECT_EQ((std::vector<Window*>{&built}), tabs.children());
    EXPECT_FALSE(built.isShown());
    EXPECT_FALSE(built.findChild(1120)->isEnabled());
    EXPECT_EQ(111u, built.templateId());
}

TEST(DialogTemplateTest, DialogUnitsScaleByAQuarterCharacterAcrossAndAnEighthDown)
{
    struct Case
    {
        int x, y, width, height;
        Rectangle pixels;
    };
    // Edges are scaled, half away from zero, each on its own.
    const std::vector<Case> cases = {{0, 0, 4, 8, Rectangle(0, 0, 6, 13)},
                                     {3, 7, 513, 319, Rectangle(5, 11, 774, 530)},
                                     {1, 1, 1, 1, Rectangle(2, 2, 3, 3)},
                                     {-4, -8, 4, 8, Rectangle(-6, -13, 0, 0)}};
    for (const Case& testCase : cases)
    {
        EXPECT_EQ(testCase.pixels, DialogTemplate::toPixels(testCase.x, testCase.y, testCase.width, testCase.height))
            << testCase.x << "," << testCase.y;
    }
}

TEST(DialogTemplateTest, ControlsThatMeetInDialogUnitsMeetInPixels)
{
    // An edit and the up-down right of it, as the templates put them.
    for (int left = 0; left < 40; ++left)
    {
        const Rectangle edit = DialogTemplate::toPixels(left, 3, 25, 12);
        const Rectangle upDown = DialogTemplate::toPixels(left + 25, 3, 10, 12);
        EXPECT_EQ(edit.right, upDown.left) << left;
        EXPECT_EQ(edit.bottom, upDown.bottom) << left;
    }
}

TEST(StringTableTest, RunsOfIdsAndMissingIds)
{
    Resources resources;
    EXPECT_TRUE(resources.strings().addRun(20800, {"KQ310", "KQ330", "KQ350"}));
    EXPECT_EQ("KQ330", *resources.strings().find(20801));
    EXPECT_FALSE(resources.strings().find(20803).has_value());
    EXPECT_FALSE(resources.strings().contains(20799));
    EXPECT_FALSE(resources.strings().add(20802, "other"));
    EXPECT_EQ("KQ350", *resources.strings().find(20802));
    EXPECT_FALSE(resources.strings().addRun(20802, {"x", "y"}));
    EXPECT_EQ("y", *resources.strings().find(20803));
    EXPECT_TRUE(resources.strings().add(104, ""));
    EXPECT_EQ("", *resources.strings().find(104));
}

TEST(StringTableTest, TheSameTextAgainIsNoConflictButAnotherTextIsRefused)
{
    Platform::StringTable strings;
    ASSERT_TRUE(strings.add(112, "Preprocessing"));
    EXPECT_TRUE(strings.add(112, "Preprocessing"));
    EXPECT_TRUE(strings.addRun(111, {"Bitstream Info", "Preprocessing"}));
    testing::internal::CaptureStderr();
    EXPECT_FALSE(strings.add(112, "Processing"));
    EXPECT_NE(std::string::npos, testing::internal::GetCapturedStderr().find("112"));
    EXPECT_EQ("Preprocessing", *strings.find(112));
    EXPECT_EQ(2u, strings.size());
}

TEST(ResourcesTest, EachRegistryKeepsTheFirstOfAnIdAndMissesClearly)
{
    Resources resources;
    EXPECT_TRUE(resources.addDialog(exampleTemplate()));
    EXPECT_FALSE(resources.addDialog(DialogTemplate(exampleTemplateId, "Other", 10, 10)));
    ASSERT_NE(nullptr, resources.dialog(exampleTemplateId));
    EXPECT_EQ("Open Device", resources.dialog(exampleTemplateId)->caption());
    EXPECT_EQ(nullptr, resources.dialog(136));

    Bitmap led(16, 16, Colour(0, 64, 0));
    EXPECT_TRUE(resources.addBitmap(147, led));
    EXPECT_EQ(nullptr, resources.bitmap(4014));
    EXPECT_EQ(Colour(0, 64, 0), resources.bitmap(147)->pixel(15, 15));

    ToolBarResource toolBar;
    toolBar.commands = {32775, 32774, 0, 32777, 32778, 0, 57667};
    EXPECT_TRUE(resources.addToolBar(128, toolBar));
    EXPECT_EQ((std::vector<unsigned>{32775, 32774, 32777, 32778, 57667}), resources.toolBar(128)->buttons());
    EXPECT_EQ(nullptr, resources.toolBar(129));
    EXPECT_EQ(nullptr, resources.menu(128));
}

TEST(MenuTest, FindsCommandsInPopupsAndCopiesDeeply)
{
    Menu bar;
    Menu& file = bar.addPopup("&File");
    file.addCommand(32774, "&Close Device").addCommand(32775, "&New Device...").addSeparator();
    file.addPopup("Export").addCommand(32779, "&Text...").addCommand(32780, "&HTML...");
    bar.addPopup("&Help").addCommand(57664, "&About Tessiva...");

    ASSERT_NE(nullptr, bar.findCommand(32780));
    EXPECT_EQ("&HTML...", bar.findCommand(32780)->text);
    EXPECT_EQ(nullptr, bar.findCommand(0));
    EXPECT_EQ(nullptr, bar.findCommand(57665));
    EXPECT_TRUE(file.items()[2].isSeparator());
    EXPECT_FALSE(file.items()[3].isSeparator());

    Resources resources;
    resources.addMenu(128, bar);
    file.addCommand(57665, "E&xit");
    EXPECT_NE(nullptr, bar.findCommand(57665));
    EXPECT_EQ(nullptr, resources.menu(128)->findCommand(57665));
    ASSERT_NE(nullptr, resources.menu(128)->findPopup("&Help"));
    EXPECT_EQ(nullptr, resources.menu(128)->findPopup("Export"));
}

TEST(BitmapTest, DrawingStaysInsideThePicture)
{
    Bitmap triangle(4, 3);
    triangle.fill(Rectangle(-2, 1, 2, 9), Colour(0, 255, 0));
    triangle.setPixel(3, 0, Colour(255, 0, 0));
    triangle.setPixel(4, 0, Colour(255, 255, 255));
    EXPECT_EQ(Colour(0, 255, 0), triangle.pixel(0, 2));
    EXPECT_EQ(Colour(0, 255, 0), triangle.pixel(1, 1));
    EXPECT_EQ(Colour(), triangle.pixel(2, 1));
    EXPECT_EQ(Colour(), triangle.pixel(0, 0));
    EXPECT_EQ(Colour(255, 0, 0), triangle.pixel(3, 0));
    EXPECT_EQ(Colour(), triangle.pixel(4, 0));
}

// Parts of a picture made transparent show nothing; drawing over them makes
// them opaque again; points outside the picture are never transparent.
TEST(BitmapTest, TransparentPartsStayInsideThePictureUntilDrawnOver)
{
    Bitmap picture(4, 3, Colour(10, 20, 30));
    EXPECT_TRUE(picture.isOpaque());
    EXPECT_FALSE(picture.isTransparent(0, 0));
    picture.makeTransparent(Rectangle(-5, -5, 2, 2));
    EXPECT_FALSE(picture.isOpaque());
    EXPECT_TRUE(picture.isTransparent(0, 0));
    EXPECT_TRUE(picture.isTransparent(1, 1));
    EXPECT_FALSE(picture.isTransparent(2, 1));
    EXPECT_FALSE(picture.isTransparent(1, 2));
    EXPECT_FALSE(picture.isTransparent(-1, 0));
    EXPECT_FALSE(picture.isTransparent(4, 0));
    // The colour under a transparent point is kept.
    EXPECT_EQ(Colour(10, 20, 30), picture.pixel(1, 1));

    picture.setPixel(0, 0, Colour(255, 0, 0));
    EXPECT_FALSE(picture.isTransparent(0, 0));
    EXPECT_TRUE(picture.isTransparent(1, 0));
    picture.fill(Rectangle(1, 0, 2, 2), Colour(0, 255, 0));
    EXPECT_FALSE(picture.isTransparent(1, 0));
    EXPECT_TRUE(picture.isTransparent(0, 1));
    picture.setPixel(0, 1, Colour());
    EXPECT_TRUE(picture.isOpaque());

    // An empty area makes nothing transparent.
    Bitmap whole(4, 3);
    whole.makeTransparent(Rectangle(2, 2, 2, 3));
    whole.makeTransparent(Rectangle(5, 0, 9, 3));
    EXPECT_TRUE(whole.isOpaque());
}

TEST(FileDialogRequestTest, FiltersArePairsUpToTheEmptyDescription)
{
    struct Case
    {
        std::string filter;
        std::vector<FileDialogRequest::Filter> filters;
    };
    const std::vector<Case> cases = {
        {"Text Files (*.txt)|*.txt|All Files (*.*)|*.*||",
         {{"Text Files (*.txt)", "*.txt"}, {"All Files (*.*)", "*.*"}}},
        {"Pellora Files (*.prx)|*.prx", {{"Pellora Files (*.prx)", "*.prx"}}},
        {"Images|*.bmp;*.png||ignored|*.x||", {{"Images", "*.bmp;*.png"}}},
        {"No patterns||", {}},
        {"Dangling|*.a|Alone", {{"Dangling", "*.a"}}},
        {"", {}}};
    for (const Case& testCase : cases)
    {
        FileDialogRequest request;
        request.filter = testCase.filter;
        EXPECT_EQ(testCase.filters, request.filters()) << testCase.filter;
    }
}

TEST(FileDialogRequestTest, PatternsMatchNamesInAnyLetterCase)
{
    struct Case
    {
        std::string patterns;
        std::vector<std::string> matching;
        std::vector<std::string> other;
    };
    const std::vector<Case> cases = {
        {"*.prx", {"UPPER.PRX", "lower.prx", "Mixed.Prx"}, {"file.prxx", "file.pr", "prx"}},
        {"*.vnb", {"Config.VNB", "config.vnb"}, {"config.vnb.txt", "config.vmb"}},
        {"*.*", {"a.B", "UNIT.TXT"}, {"unit"}},
        {"*.[ch]", {"a.c", "b.h"}, {"a.C"}},
        {"*.bmp;*.png", {"A.BMP", "b.Png"}, {"c.gif"}},
        {"*", {"ANY", "name"}, {}}};
    for (const Case& testCase : cases)
    {
        const std::string blind = FileDialogRequest::anyCase(testCase.patterns);
        std::vector<std::string> patterns;
        std::string::size_type start = 0;
        for (std::string::size_type end = blind.find(';'); ; end = blind.find(';', start))
        {
            patterns.push_back(blind.substr(start, end - start));
            if (end == std::string::npos)
            {
                break;
            }
            start = end + 1;
        }
        const auto matches = [&patterns](const std::string& aName) {
            return std::any_of(patterns.begin(), patterns.end(), [&aName](const std::string& aPattern) {
                return fnmatch(aPattern.c_str(), aName.c_str(), 0) == 0;
            });
        };
        for (const std::string& name : testCase.matching)
        {
            EXPECT_TRUE(matches(name)) << blind << " should match " << name;
        }
        for (const std::string& name : testCase.other)
        {
            EXPECT_FALSE(matches(name)) << blind << " should not match " << name;
        }
    }
}

TEST(FileDialogRequestTest, TheTitleIsTheDesktopsForOpenAndSave)
{
    FileDialogRequest request;
    EXPECT_EQ("Open", request.title());
    request.kind = Platform::FileDialogKind::Save;
    EXPECT_EQ("Save As", request.title());
}

TEST(FileDialogRequestTest, TheDefaultExtensionCompletesANameWithoutOne)
{
    FileDialogRequest request;
    request.defaultExtension = "vnb";
    const std::vector<std::pair<std::string, std::string>> cases = {{"/tmp/unit", "/tmp/unit.vnb"},
                                                                    {"/tmp/unit.vnb", "/tmp/unit.vnb"},
                                                                    {"/tmp/unit.txt", "/tmp/unit.txt"},
                                                                    {"/tmp/v1.2/unit", "/tmp/v1.2/unit.vnb"},
                                                                    {"/tmp/.unit", "/tmp/.unit.vnb"},
                                                                    {"unit", "unit.vnb"},
                                                                    {"", ""},
                                                                    {"/tmp/", "/tmp/"}};
    for (const auto& testCase : cases)
    {
        EXPECT_EQ(testCase.second, request.completedPath(testCase.first)) << testCase.first;
    }
    request.defaultExtension.clear();
    EXPECT_EQ("/tmp/unit", request.completedPath("/tmp/unit"));
}

TEST(MessageBoxRequestTest, ButtonsAndTheirDismissal)
{
    struct Case
    {
        MessageBoxButtons buttons;
        std::vector<int> answers;
        int dismissal;
    };
    const std::vector<Case> cases = {
        {MessageBoxButtons::Ok, {DialogResult::ok}, DialogResult::ok},
        {MessageBoxButtons::OkCancel, {DialogResult::ok, DialogResult::cancel}, DialogResult::cancel},
        {MessageBoxButtons::YesNo, {DialogResult::yes, DialogResult::no}, 0},
        {MessageBoxButtons::YesNoCancel, {DialogResult::yes, DialogResult::no, DialogResult::cancel}, DialogResult::cancel},
        {MessageBoxButtons::RetryCancel, {DialogResult::retry, DialogResult::cancel}, DialogResult::cancel},
        {MessageBoxButtons::AbortRetryIgnore, {DialogResult::abort, DialogResult::retry, DialogResult::ignore}, 0}};
    for (const Case& testCase : cases)
    {
        MessageBoxRequest request;
        request.buttons = testCase.buttons;
        EXPECT_EQ(testCase.answers, request.answers());
        EXPECT_EQ(testCase.dismissal, request.dismissal());
    }
}
}
