// The KQ310 Input/Output page with its routing button on an off-line
// device, and the KQ350 form with its own controls and LEDs.
#include "tests/Tessiva/Panels/CommonPageBench.h"

#include "Tessiva/DeviceSettings.h"
#include "Tessiva/Panels/Pages/InputChannelRoutingDialog.h"
#include "Tessiva/Panels/Pages/InputOutputPage.h"
#include "Tessiva/Panels/Pages/PollingView.h"
#include "Tessiva/Panels/Pages/UnitInputOutputPage.h"
#include "Toolkit/Parameter/ControlCollection.h"
#include "Toolkit/Parameter/ControlParameter.h"

#include <memory>
#include <string>
#include <vector>

namespace
{
std::string shown(const Platform::Window& aList)
{
    return aList.itemText(aList.selection());
}

// Writes down when polling stops and starts.
class RecordingView : public PollingView
{
public:
    void stopPolling() override { events.push_back("stop"); }
    void startPolling() override { events.push_back("start"); }
    std::vector<std::string> events;
};
}

class InputOutputPageTest : public CommonPageBench
{
protected:
    InputOutputPageTest()
    {
        openOffLine(Kq310);
        myPage = DevicePage::make<InputOutputPage>(&parent(), myKey, &myDocument, &myView);
    }

    ~InputOutputPageTest() override { myPage.reset(); }

    Platform::Window& box(int anId) { return myPage->control(anId); }

    RecordingView myView;
    std::unique_ptr<InputOutputPage> myPage;
};

TEST_F(InputOutputPageTest, OutputSettingsReachTheDevice)
{
    const short packets = value(ParameterId('H', 7));
    EXPECT_EQ(packets == 1, box(InputOutputPage::timeCodePacketsId).isChecked());
    ASSERT_TRUE(myUser.click(InputOutputPage::timeCodePacketsId));
    EXPECT_EQ(packets == 1 ? 0 : 1, value(ParameterId('H', 7)));

    ASSERT_TRUE(myUser.pick(InputOutputPage::outputFormatId, 3));
    EXPECT_EQ(3, value(ParameterId('H', 6)));
    EXPECT_EQ("Professional: 16-bit channel 2", box(InputOutputPage::outputFormatId).text());
    ASSERT_TRUE(myUser.pick(InputOutputPage::outputAudioBitId, 1));
    EXPECT_EQ(1, value(ParameterId('H', 9)));
    EXPECT_EQ("Non-audio", box(InputOutputPage::outputAudioBitId).text());
}

TEST_F(InputOutputPageTest, StatusListsShowTheInputAndTakeNoPick)
{
    struct Case
    {
        int list;
        int index;
        int value;
        const char* text;
    };
    const Case cases[] = {{InputOutputPage::lockStatusId, 0, 1, "Locked"},
                          {InputOutputPage::sampleRateId, 1, 3, "Not Indicated"},
                          {InputOutputPage::integrityId, 2, 1, "Low"},
                          {InputOutputPage::subcodeFormatId, 3, 1, "Professional"},
                          {InputOutputPage::subcodeAudioBitId, 4, 1, "Non-audio"},
                          {InputOutputPage::subcodeEmphasisId, 5, 1, "50/15 uS"},
                          {InputOutputPage::subcodeSampleRateId, 6, 1, "44.1 kHz"}};
    for (const Case& each : cases)
    {
        SCOPED_TRACE(each.list);
        report(ParameterId('I', each.index), each.value);
        EXPECT_EQ(each.text, shown(box(each.list)));
        EXPECT_FALSE(myUser.pick(each.list, 0));
        EXPECT_EQ(each.text, shown(box(each.list)));
    }
}

TEST_F(InputOutputPageTest, TheRoutingDialogWritesEachChoiceWhilePollingIsStopped)
{
    myUser.expectDialog(InputChannelRoutingDialog::templateId, [&](Platform::Window& aDialog) {
        EXPECT_EQ("Input Channel Routing", aDialog.text());
        EXPECT_EQ(std::vector<std::string>{"stop"}, myView.events);
        Platform::Window& preset = myUser.control(InputChannelRoutingDialog::presetId);
        ASSERT_EQ(7, preset.itemCount());
        EXPECT_EQ("Mode 1: L/R,  Ls/Rs, C/LFE", preset.itemText(0));
        EXPECT_EQ("Custom", preset.itemText(6));
        EXPECT_EQ("Input 6", myUser.control(InputChannelRoutingDialog::lfeId).itemText(5));

        // Mode 1 pairs the channels with the inputs in order.
        ASSERT_TRUE(myUser.pick(InputChannelRoutingDialog::presetId, 0));
        EXPECT_EQ(0, value(ParameterId('O', 0)));
        const int channelIds[] = {InputChannelRoutingDialog::leftId,         InputChannelRoutingDialog::centerId,
                                  InputChannelRoutingDialog::rightId,        InputChannelRoutingDialog::leftSurroundId,
                                  InputChannelRoutingDialog::rightSurroundId, InputChannelRoutingDialog::lfeId};
        const int modeOne[] = {0, 4, 1, 2, 3, 5};
        for (int channel = 0; channel < 6; ++channel)
        {
            EXPECT_EQ(modeOne[channel], value(ParameterId('H', channel))) << channel;
            EXPECT_EQ(modeOne[channel], myUser.control(channelIds[channel]).selection()) << channel;
        }

        // A channel of its own; Custom then leaves the six as they are.
        ASSERT_TRUE(myUser.pick(InputChannelRoutingDialog::leftId, 3));
        EXPECT_EQ(3, value(ParameterId('H', 0)));
        ASSERT_TRUE(myUser.pick(InputChannelRoutingDialog::presetId, 6));
        EXPECT_EQ(6, value(ParameterId('O', 0)));
        EXPECT_EQ(3, value(ParameterId('H', 0)));
        EXPECT_EQ(4, value(ParameterId('H', 1)));
        myUser.click(1);
    });
    ASSERT_TRUE(myUser.click(InputOutputPage::routingButtonId));
    myUser.finish();
    EXPECT_EQ((std::vector<std::string>{"stop", "start"}), myView.events);
}

TEST_F(InputOutputPageTest, WithoutAViewTheRoutingButtonOpensNothing)
{
    InputOutputPage page(myKey, &myDocument, nullptr);
    page.createIn(&parent());
    myPage.reset();
    ASSERT_TRUE(myUser.click(InputOutputPage::routingButtonId));
    myUser.finish();
    EXPECT_TRUE(myView.events.empty());
}

TEST_F(InputOutputPageTest, ARoutingDialogWithoutItsDeviceBindsNothing)
{
    const DeviceKey key = myKey;
    myDocument.closeDevice(key);
    myUser.expectDialog(InputChannelRoutingDialog::templateId, [&](Platform::Window&) {
        EXPECT_TRUE(myUser.pick(InputChannelRoutingDialog::presetId, 2));
        myUser.pressEscape();
    });
    InputChannelRoutingDialog dialog(key, &myDocument);
    EXPECT_EQ(2, dialog.doModal());
    myUser.finish();
}

class UnitInputOutputPageTest : public CommonPageBench, public ::testing::WithParamInterface<int>
{
protected:
    UnitInputOutputPageTest()
    {
        openOffLine(static_cast<Model>(GetParam()));
        myPage = DevicePage::make<UnitInputOutputPage>(&parent(), myKey, &myDocument);
    }

    ~UnitInputOutputPageTest() override { myPage.reset(); }

    Platform::Window& box(int anId) { return myPage->control(anId); }

    std::unique_ptr<UnitInputOutputPage> myPage;
};

TEST_P(UnitInputOutputPageTest, HasNoRoutingButtonAndNoViewButKeepsTheCommonControls)
{
    EXPECT_EQ(nullptr, myPage->window()->findChild(InputOutputPage::routingButtonId));
    EXPECT_EQ(nullptr, myPage->view());
    ASSERT_TRUE(myUser.pick(InputOutputPage::outputFormatId, 2));
    EXPECT_EQ(2, value(ParameterId('H', 6)));
    report(ParameterId('I', 0), 1);
    EXPECT_EQ("Locked", shown(box(InputOutputPage::lockStatusId)));
}

TEST_P(UnitInputOutputPageTest, TheInputStreamNumberLightsOneLedPerBit)
{
    const std::pair<int, unsigned> cases[] = {{5, 0x05}, {0, 0}, {255, 0xFF}, {128, 0x80}};
    for (const auto& each : cases)
    {
        SCOPED_TRACE(each.first);
        report(ParameterId('b', 11), each.first);
        for (int led = 0; led < UnitInputOutputPage::ledCount; ++led)
        {
            const bool lit = (each.second & (1u << led)) != 0;
            EXPECT_EQ(lit ? UnitInputOutputPage::onLedBitmap : UnitInputOutputPage::offLedBitmap,
                      box(UnitInputOutputPage::firstLedId + led).image())
                << led;
        }
    }
}

TEST_P(UnitInputOutputPageTest, TheOutputStreamNumberIsTypedOrStepped)
{
    ASSERT_TRUE(myUser.type(UnitInputOutputPage::outputStreamEditId, "5"));
    EXPECT_EQ(5, value(ParameterId('H', 8)));
    ASSERT_TRUE(myUser.type(UnitInputOutputPage::outputStreamEditId, "9"));
    EXPECT_EQ(5, value(ParameterId('H', 8)));
    ASSERT_TRUE(myUser.leave(UnitInputOutputPage::outputStreamEditId));
    EXPECT_EQ("5", box(UnitInputOutputPage::outputStreamEditId).text());

    ASSERT_TRUE(myUser.spin(UnitInputOutputPage::outputStreamSpinId, Platform::ScriptedUser::Arrow::Up));
    EXPECT_EQ(6, value(ParameterId('H', 8)));
    EXPECT_EQ("6", box(UnitInputOutputPage::outputStreamEditId).text());
    ASSERT_TRUE(myUser.spin(UnitInputOutputPage::outputStreamSpinId, Platform::ScriptedUser::Arrow::Down));
    EXPECT_EQ(5, value(ParameterId('H', 8)));
}

TEST_P(UnitInputOutputPageTest, TheUnitSettingsReachTheDevice)
{
    if (GetParam() == Kq330)
    {
        // The analog input takes PCM on an internal clock only.
        request(ParameterId('a', 3), 0);
        request(ParameterId('a', 2), 2);
        Platform::Window& source = box(UnitInputOutputPage::inputSourceId);
        ASSERT_EQ((std::vector<std::string>{"Analog", "Digital"}), source.items());
        ASSERT_TRUE(myUser.pick(source, 0));
        EXPECT_EQ(0, value(ParameterId('a', 0)));
        ASSERT_TRUE(myUser.pick(source, 1));
        EXPECT_EQ(1, value(ParameterId('a', 0)));
    }
    // Multiplexing is offered only with a professional output and a clock
    // taken from an input.
    request(ParameterId('H', 6), 0);
    EXPECT_FALSE(box(UnitInputOutputPage::multiplexModeId).isEnabled());
    request(ParameterId('a', 2), 1);
    request(ParameterId('H', 6), 2);
    ASSERT_TRUE(box(UnitInputOutputPage::multiplexModeId).isEnabled());
    ASSERT_TRUE(myUser.click(UnitInputOutputPage::multiplexModeId));
    EXPECT_EQ(box(UnitInputOutputPage::multiplexModeId).isChecked() ? 1 : 0, value(ParameterId('a', 4)));
    const short multiplex = value(ParameterId('a', 4));
    ASSERT_TRUE(myUser.click(UnitInputOutputPage::multiplexModeId));
    EXPECT_NE(multiplex, value(ParameterId('a', 4)));

    ASSERT_TRUE(myUser.pick(UnitInputOutputPage::testToneId, 3));
    EXPECT_EQ(3, value(ParameterId('a', 11)));
    EXPECT_EQ("Silence", box(UnitInputOutputPage::testToneId).text());
    ASSERT_TRUE(myUser.pick(UnitInputOutputPage::inputFormatId, 1));
    EXPECT_EQ(1, value(ParameterId('a', 3)));
    EXPECT_EQ("Pre-encoded", box(UnitInputOutputPage::inputFormatId).text());
    EXPECT_EQ("Disabled", box(UnitInputOutputPage::auxDataId).itemText(0));
    if (GetParam() == Kq350)
    {
        ASSERT_TRUE(myUser.pick(UnitInputOutputPage::channelAssignmentId, 5));
        EXPECT_EQ(5, value(ParameterId('a', 1)));
        EXPECT_EQ("Mode 6: C/L,  R/Ls,  Rs/LFE", box(UnitInputOutputPage::channelAssignmentId).text());
        // The KQ350 takes the digital input only.
        EXPECT_EQ(std::vector<std::string>{"Digital"}, box(UnitInputOutputPage::inputSourceId).items());
    }
}

INSTANTIATE_TEST_SUITE_P(Models, UnitInputOutputPageTest, ::testing::Values(1, 2),
                         [](const ::testing::TestParamInfo<int>& anInfo) {
                             return std::string(anInfo.param == 1 ? "Kq330" : "Kq350");
                         });

TEST(UnitInputOutputPageResourcesTest, MissingLedPicturesAreReportedAndTheOtherControlsStayBound)
{
    Platform::Resources resources;
    CTessivaDoc::addResources(resources);
    UnitInputOutputPage::addResources(resources);
    Platform::HeadlessBackend backend;
    Platform::ScriptedUser user(backend);
    Platform::Application application("Tessiva", resources);
    CTessivaDoc document;
    DeviceSettings settings(&document);
    settings.controlCollection().find(DeviceSettings::deviceTypeId).setValue(ParameterValue(2));
    settings.controlCollection().find(DeviceSettings::offLineId).setValue(ParameterValue(1));
    DeviceKey key(0, 0);
    ASSERT_TRUE(document.createKq350Device(key, settings));
    Platform::Window parent(Platform::WindowKind::Dialog, 0);
    user.lookAt(parent);

    user.expectMessageBox("Error loading the off led");
    UnitInputOutputPage page(key, &document);
    page.createIn(&parent);
    user.finish();
    // The LEDs come last: everything made before them works.
    ASSERT_TRUE(user.pick(UnitInputOutputPage::testToneId, 2));
    EXPECT_EQ("-18 dBFS", page.control(UnitInputOutputPage::testToneId).text());
}
