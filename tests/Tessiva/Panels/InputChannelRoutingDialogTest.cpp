// The routing dialog against an emulated KQ310: what it sends, and how it
// tells a write that the unit does not answer.
#include "tests/Tessiva/Panels/CommonPageBench.h"

#include "Tessiva/Panels/Pages/InputChannelRoutingDialog.h"
#include "tests/emulator/UnitEmulator.h"
#include "tests/emulator/models/Kq310Unit.h"

class InputChannelRoutingDialogTest : public CommonPageBench
{
protected:
    InputChannelRoutingDialogTest()
    {
        myEmulator.addUnit(kq310Address, Emulator::Kq310Unit::freshValues());
        openOnLine(myEmulator.devicePath());
    }

    Emulator::UnitEmulator myEmulator;
};

TEST_F(InputChannelRoutingDialogTest, OnlyANewChoiceIsSentAndItIsSentAtOnce)
{
    const int left = value(ParameterId('H', 0));
    const int other = left == 0 ? 1 : 0;
    myUser.expectDialog(InputChannelRoutingDialog::templateId, [&](Platform::Window&) {
        myEmulator.clearLog();
        ASSERT_TRUE(myUser.pick(InputChannelRoutingDialog::leftId, left));
        EXPECT_TRUE(myEmulator.bytesReceived().empty());
        ASSERT_TRUE(myUser.pick(InputChannelRoutingDialog::leftId, other));
        EXPECT_FALSE(myEmulator.bytesReceived().empty());
        EXPECT_EQ(Emulator::UnitEmulator::integer(other), myEmulator.value(kq310Address, 'H', 0));
        myUser.pressEnter();
    });
    InputChannelRoutingDialog dialog(myKey, &myDocument);
    EXPECT_EQ(1, dialog.doModal());
    myUser.finish();
    EXPECT_EQ(other, value(ParameterId('H', 0)));
}

TEST_F(InputChannelRoutingDialogTest, AnUnansweredWriteIsToldAndTheDialogStaysOpen)
{
    const int left = value(ParameterId('H', 0));
    myUser.expectDialog(InputChannelRoutingDialog::templateId, [&](Platform::Window& aDialog) {
        myEmulator.injectFault(kq310Address, Emulator::UnitFault::silent(Emulator::UnitFault::forever));
        myUser.expectMessageBox("No response when expecting an ACK.");
        ASSERT_TRUE(myUser.pick(InputChannelRoutingDialog::leftId, left == 0 ? 1 : 0));
        EXPECT_FALSE(aDialog.dialogEnded());
        EXPECT_EQ(left, myUser.control(InputChannelRoutingDialog::leftId).selection());
        myUser.click(1);
    });
    InputChannelRoutingDialog dialog(myKey, &myDocument);
    EXPECT_EQ(1, dialog.doModal());
    myUser.finish();
    EXPECT_TRUE(myDocument.hasDevice(myKey));
    EXPECT_EQ(left, value(ParameterId('H', 0)));
}
