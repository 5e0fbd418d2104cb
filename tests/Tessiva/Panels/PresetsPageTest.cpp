// The Presets page on KQ330 and KQ350 off-line devices: recall buttons named
// and pressed after the unit, the page's own preset number with its edit,
// up-down and name edit, naming and saving.
#include "tests/Tessiva/Panels/UnitPageBench.h"

#include "Tessiva/Panels/Pages/PresetsPage.h"
#include "Toolkit/Parameter/ControlParameter.h"
#include "Toolkit/Parameter/Observer.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace
{
// Counts the notifications of the parameter it watches: each write confirmed
// by the unit notifies once.
class WriteCounter : public Observer
{
public:
    void update(Subject*) override { ++updates; }
    int updates = 0;
};
}

class PresetsPageTest : public UnitPageBench
{
protected:
    PresetsPageTest()
    {
        open(model());
        myPage = DevicePage::make<PresetsPage>(&parent(), myKey, &myDocument);
    }
    ~PresetsPageTest() override { myPage.reset(); }

    Platform::Window& recallButton(int aPreset) { return *parent().findDescendant(PresetsPage::firstRecallButtonId + aPreset - 1); }
    Platform::Window& nameEdit(int aPreset) { return *parent().findDescendant(PresetsPage::firstNameEditId + aPreset - 1); }
    short number() const { return myPage->presetNumber().value().toShort(); }
    int shownNameEdits()
    {
        int shown = 0;
        for (int preset = 1; preset <= PresetsPage::presetCount; ++preset)
        {
            shown += nameEdit(preset).isShown() ? 1 : 0;
        }
        return shown;
    }

    std::unique_ptr<PresetsPage> myPage;
};

TEST_P(PresetsPageTest, StartsWithPresetOneChosen)
{
    EXPECT_EQ(1, number());
    EXPECT_EQ("01", myUser.control(PresetsPage::numberEditId).text());
    EXPECT_TRUE(nameEdit(1).isShown());
    EXPECT_TRUE(nameEdit(1).isEnabled());
    EXPECT_EQ(1, shownNameEdits());
    EXPECT_EQ(PresetsPage::nameLength, nameEdit(1).textLimit());
}

TEST_P(PresetsPageTest, TheNumberIsThePagesOwnAndStaysWithinOneToTwentyEight)
{
    ASSERT_TRUE(myUser.type(PresetsPage::numberEditId, "5"));
    EXPECT_EQ(5, number());
    EXPECT_TRUE(nameEdit(5).isShown());
    EXPECT_EQ(1, shownNameEdits());
    EXPECT_EQ(PresetsPage::firstNameEditId + 4, myUser.control(PresetsPage::firstNameEditId + 4).id());

    myUser.type(PresetsPage::numberEditId, "29");
    EXPECT_EQ(2, number()); // "2" was taken on the way, "29" is not
    myUser.leave(PresetsPage::numberEditId);
    EXPECT_EQ("02", myUser.control(PresetsPage::numberEditId).text());

    myUser.type(PresetsPage::numberEditId, "28");
    EXPECT_EQ(28, number());
    myUser.spin(PresetsPage::numberSpinId, Platform::ScriptedUser::Arrow::Up);
    EXPECT_EQ(28, number());
    myUser.spin(PresetsPage::numberSpinId, Platform::ScriptedUser::Arrow::Down);
    EXPECT_EQ(27, number());
    EXPECT_TRUE(nameEdit(27).isShown());
    // Nothing of the number goes to the device.
    EXPECT_NE(27, controlValue(ParameterId('a', 10)));
}

TEST_P(PresetsPageTest, NamingReachesTheUnitAndTheButtonCaption)
{
    myUser.type(PresetsPage::numberEditId, "3");
    ASSERT_TRUE(myUser.type(nameEdit(3), "Concert Hall"));
    EXPECT_EQ("Concert Hall", controlText(ParameterId('d', 2)));
    EXPECT_EQ("Concert Hall", recallButton(3).text());
    // A thirteenth character is refused by the edit itself.
    EXPECT_FALSE(myUser.typeKeys("X"));
    EXPECT_EQ("Concert Hall", controlText(ParameterId('d', 2)));

    request(ParameterId('d', 31), ParameterValue(std::string("Last")));
    EXPECT_EQ("Last", recallButton(32).text());
    EXPECT_FALSE(nameEdit(32).isShown());
}

TEST_P(PresetsPageTest, RecallButtonsFollowTheCurrentPreset)
{
    report(ParameterId('b', 8), ParameterValue(4));
    for (int preset = 1; preset <= PresetsPage::presetCount; ++preset)
    {
        EXPECT_EQ(preset == 4, recallButton(preset).isPressed()) << preset;
    }
    report(ParameterId('b', 8), ParameterValue(0));
    for (int preset = 1; preset <= PresetsPage::presetCount; ++preset)
    {
        EXPECT_FALSE(recallButton(preset).isPressed()) << preset;
    }
}

TEST_P(PresetsPageTest, ARecallIsSentUnlessThePresetIsCurrent)
{
    WriteCounter writes;
    myDocument.attachControlObserver(myKey, ParameterId('a', 9), &writes);
    writes.updates = 0;

    const unsigned cursors = myBackend.waitCursorShowings();
    myUser.click(recallButton(6));
    EXPECT_EQ(6, controlValue(ParameterId('a', 9)));
    const int perRecall = writes.updates;
    EXPECT_GT(perRecall, 0);
    EXPECT_GT(myBackend.waitCursorShowings(), cursors);
    EXPECT_FALSE(myBackend.isWaitCursorShown());

    // The same preset again is sent again while the unit does not report it.
    myUser.click(recallButton(6));
    EXPECT_EQ(2 * perRecall, writes.updates);

    report(ParameterId('b', 8), ParameterValue(6));
    myUser.click(recallButton(6));
    EXPECT_EQ(2 * perRecall, writes.updates);
    EXPECT_TRUE(recallButton(6).isPressed());
}

TEST_P(PresetsPageTest, SaveSendsTheChosenNumberOnce)
{
    WriteCounter writes;
    myDocument.attachControlObserver(myKey, ParameterId('a', 10), &writes);
    writes.updates = 0;

    myUser.type(PresetsPage::numberEditId, "12");
    myUser.click(PresetsPage::saveButtonId);
    EXPECT_EQ(12, controlValue(ParameterId('a', 10)));
    EXPECT_EQ(1, writes.updates);
    myUser.click(PresetsPage::saveButtonId);
    EXPECT_EQ(1, writes.updates);
}

TEST_P(PresetsPageTest, WithoutItsDeviceThePageStaysInItsTemplateState)
{
    myPage.reset();
    myDocument.closeDevice(myKey);
    myPage = DevicePage::make<PresetsPage>(&parent(), myKey, &myDocument);
    EXPECT_FALSE(myDocument.hasDevice(myKey));
    // Nothing to reach: no request, no message.
    myUser.click(PresetsPage::saveButtonId);
    myUser.click(recallButton(2));
    myUser.type(nameEdit(1), "Gone");
    EXPECT_EQ(1, number());
    EXPECT_FALSE(recallButton(2).isPressed());
    myUser.finish();
}

INSTANTIATE_TEST_SUITE_P(Models, PresetsPageTest, ::testing::Values(1, 2), modelName);
