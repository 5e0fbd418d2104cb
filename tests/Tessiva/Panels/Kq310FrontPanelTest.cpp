// The KQ310 front panel over an off-line device: what its controls show, the
// user's edits reaching the device, the sample-rate choice, the encoder's
// Start and Stop, the status lists and meters, its pages, and its errors.
#include "tests/Tessiva/Panels/PanelFixture.h"

#include "Platform/Window/Bitmap.h"
#include "Tessiva/Panels/FrontPanel.h"
#include "Tessiva/Panels/Pages/DevicePage.h"
#include "Tessiva/Panels/Pages/Kq310PageTabs.h"
#include "Toolkit/Controls/MeterObserver.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace PanelTesting;
using Platform::Window;

namespace
{
const ParameterId theSampleRate('B', 0);
const ParameterId theDataRate('B', 1);
const ParameterId theBitStreamMode('B', 2);
const ParameterId theCodingMode('B', 3);
const ParameterId theLfe('B', 4);
const ParameterId theDialNorm('B', 5);
const ParameterId theRequestedState('E', 0);
const ParameterId theSampleRateStatus('C', 0);
const ParameterId theBandwidth('C', 2);
const ParameterId theEncoderState('F', 0);

// The index of the item that reads aText, or -1.
int itemIndex(const Window& aBox, const std::string& aText)
{
    for (int index = 0; index < aBox.itemCount(); ++index)
    {
        if (aBox.itemText(index) == aText)
        {
            return index;
        }
    }
    return -1;
}

// The colour at the left end of a bar.
Platform::Colour colourOf(const Window& aBar)
{
    return aBar.colourAt(0, 0).value_or(Platform::Colour(1, 2, 3));
}

std::string selectedText(const Window& aBox)
{
    return aBox.itemText(aBox.selection());
}
}

class Kq310FrontPanelTest : public PanelTest
{
protected:
    Kq310FrontPanelTest() : myPanel(addKq310()), myKey(myPanel.key()) {}

    Window& at(int anId) { return myPanel.control(anId); }

    Kq310FrontPanel& myPanel;
    DeviceKey myKey;
};

TEST_F(Kq310FrontPanelTest, ControlsShowTheDeviceValues)
{
    struct Combo
    {
        int control;
        ParameterId parameter;
        unsigned firstText;
    };
    const Combo combos[] = {{FrontPanel::dataRateId, theDataRate, 10200},
                            {FrontPanel::audioCodingModeId, theCodingMode, 10400},
                            {FrontPanel::dialogNormalizationId, theDialNorm, 10500},
                            {FrontPanel::bitstreamModeId, theBitStreamMode, 10300},
                            {FrontPanel::alternativeBitstreamModeId, theBitStreamMode, 10310}};
    for (const Combo& combo : combos)
    {
        SCOPED_TRACE(combo.control);
        EXPECT_EQ(text(combo.firstText + controlValue(myKey, combo.parameter)), selectedText(at(combo.control)));
    }
    EXPECT_EQ(controlValue(myKey, theLfe) == 1, at(FrontPanel::lfeEnableId).isChecked());
    const bool automatic = controlValue(myKey, theSampleRate) == -1;
    EXPECT_EQ(automatic, at(Kq310FrontPanel::autoId).isChecked());
    EXPECT_EQ(!automatic, at(Kq310FrontPanel::sampleRateId).isShown());
    EXPECT_EQ(automatic, at(Kq310FrontPanel::sampleRateStatusId).isShown());
    // No parameter behind Time Code Ctrl on the KQ310: fixed on, out of reach.
    EXPECT_TRUE(at(FrontPanel::timeCodeCtrlId).isChecked());
    EXPECT_FALSE(at(FrontPanel::timeCodeCtrlId).isEnabled());
    EXPECT_FALSE(myUser.click(FrontPanel::timeCodeCtrlId));
    EXPECT_TRUE(at(FrontPanel::timeCodeCtrlId).isChecked());
    EXPECT_EQ(FrontPanel::startStoppedBitmap, at(FrontPanel::startButtonId).image());
    EXPECT_EQ(FrontPanel::stopStoppedBitmap, at(FrontPanel::stopButtonId).image());
}

TEST_F(Kq310FrontPanelTest, UserChoicesReachTheDevice)
{
    struct Choice
    {
        int control;
        ParameterId parameter;
        unsigned firstText;
        int value;
    };
    const Choice choices[] = {{FrontPanel::dataRateId, theDataRate, 10200, 18},
                              {FrontPanel::dataRateId, theDataRate, 10200, 12},
                              {FrontPanel::dialogNormalizationId, theDialNorm, 10500, 27},
                              {FrontPanel::audioCodingModeId, theCodingMode, 10400, 4}};
    for (const Choice& choice : choices)
    {
        SCOPED_TRACE(choice.value);
        const std::string wanted = text(choice.firstText + choice.value);
        const int index = itemIndex(at(choice.control), wanted);
        ASSERT_NE(-1, index);
        EXPECT_TRUE(myUser.pick(choice.control, index));
        EXPECT_EQ(choice.value, controlValue(myKey, choice.parameter));
        EXPECT_EQ(wanted, selectedText(at(choice.control)));
    }
    const short lfe = controlValue(myKey, theLfe);
    EXPECT_TRUE(myUser.click(FrontPanel::lfeEnableId));
    EXPECT_EQ(lfe == 1 ? 0 : 1, controlValue(myKey, theLfe));
    EXPECT_EQ(lfe != 1, at(FrontPanel::lfeEnableId).isChecked());
    myUser.finish();
}

TEST_F(Kq310FrontPanelTest, AutoSampleRateShowsTheDetectedRateInPlaceOfTheChoice)
{
    setControl(myKey, theSampleRate, 1);
    EXPECT_EQ("44.1 kHz", at(Kq310FrontPanel::sampleRateId).text());
    EXPECT_FALSE(at(Kq310FrontPanel::autoId).isChecked());
    // The combo box offers "Auto" first, for -1.
    EXPECT_EQ((std::vector<std::string>{"Auto", "48 kHz", "44.1 kHz", "32 kHz", "Not Indicated"}),
              at(Kq310FrontPanel::sampleRateId).items());

    EXPECT_TRUE(myUser.click(Kq310FrontPanel::autoId));
    EXPECT_EQ(-1, controlValue(myKey, theSampleRate));
    EXPECT_FALSE(at(Kq310FrontPanel::sampleRateId).isShown());
    EXPECT_TRUE(at(Kq310FrontPanel::sampleRateStatusId).isShown());
    // The status list keeps to the range of the status: three rates.
    EXPECT_EQ(3, at(Kq310FrontPanel::sampleRateStatusId).itemCount());
    const char* const rates[] = {"48 kHz", "44.1 kHz", "32 kHz"};
    for (int rate = 2; rate >= 0; --rate)
    {
        pollStatus(myKey, theSampleRateStatus, rate);
        EXPECT_EQ(rates[rate], selectedText(at(Kq310FrontPanel::sampleRateStatusId)));
    }

    // Clearing Auto asks for 48 kHz.
    EXPECT_TRUE(myUser.click(Kq310FrontPanel::autoId));
    EXPECT_EQ(0, controlValue(myKey, theSampleRate));
    EXPECT_TRUE(at(Kq310FrontPanel::sampleRateId).isShown());
    EXPECT_FALSE(at(Kq310FrontPanel::sampleRateStatusId).isShown());
    EXPECT_EQ("48 kHz", at(Kq310FrontPanel::sampleRateId).text());

    // Choosing "Auto" in the combo box is the same as checking the box.
    EXPECT_TRUE(myUser.pick(Kq310FrontPanel::sampleRateId, 0));
    EXPECT_EQ(-1, controlValue(myKey, theSampleRate));
    EXPECT_TRUE(at(Kq310FrontPanel::autoId).isChecked());
    myUser.finish();
}

TEST_F(Kq310FrontPanelTest, BitstreamModeListFollowsTheCodingMode)
{
    // The LFE channel and high data rates keep the coding mode up.
    setControl(myKey, theLfe, 0);
    for (int step = 0; step < 8 && controlValue(myKey, theCodingMode) > 0; ++step)
    {
        ParameterProbe rate;
        setControl(myKey, theDataRate, control(myKey, theDataRate, rate).minimum().toShort());
        ParameterProbe mode;
        setControl(myKey, theCodingMode, control(myKey, theCodingMode, mode).minimum().toShort());
    }
    ASSERT_EQ(0, controlValue(myKey, theCodingMode));
    struct Case
    {
        int codingMode;
        int shown;
        int hidden;
    };
    const Case cases[] = {{2, FrontPanel::alternativeBitstreamModeId, FrontPanel::bitstreamModeId},
                          {1, FrontPanel::bitstreamModeId, FrontPanel::alternativeBitstreamModeId},
                          {7, FrontPanel::alternativeBitstreamModeId, FrontPanel::bitstreamModeId},
                          {0, FrontPanel::bitstreamModeId, FrontPanel::alternativeBitstreamModeId}};
    for (const Case& each : cases)
    {
        SCOPED_TRACE(each.codingMode);
        setControl(myKey, theCodingMode, each.codingMode);
        ASSERT_EQ(each.codingMode, controlValue(myKey, theCodingMode));
        EXPECT_TRUE(at(each.shown).isShown());
        EXPECT_FALSE(at(each.hidden).isShown());
        // Both follow the one bit-stream mode.
        const short mode = controlValue(myKey, theBitStreamMode);
        EXPECT_EQ(text(10300 + mode), selectedText(at(FrontPanel::bitstreamModeId)));
        EXPECT_EQ(text(10310 + mode), selectedText(at(FrontPanel::alternativeBitstreamModeId)));
    }
    EXPECT_EQ("Associated service: Voice over", text(10307));
    EXPECT_EQ("Main audio service: Karaoke", text(10317));
}

TEST_F(Kq310FrontPanelTest, StartAndStopRequestTheEncoderStateAndShowIt)
{
    EXPECT_TRUE(myUser.click(FrontPanel::startButtonId));
    EXPECT_EQ(1, controlValue(myKey, theRequestedState));
    EXPECT_TRUE(at(FrontPanel::startedStateListId).isShown());
    EXPECT_FALSE(at(FrontPanel::stoppedStateListId).isShown());
    pollStatus(myKey, theEncoderState, 0);
    EXPECT_EQ("Not Encoding", selectedText(at(FrontPanel::startedStateListId)));

    EXPECT_TRUE(myUser.click(FrontPanel::stopButtonId));
    EXPECT_EQ(0, controlValue(myKey, theRequestedState));
    EXPECT_TRUE(at(FrontPanel::stoppedStateListId).isShown());
    EXPECT_FALSE(at(FrontPanel::startedStateListId).isShown());
    EXPECT_EQ("Stopped", selectedText(at(FrontPanel::stoppedStateListId)));

    struct Look
    {
        int state;
        unsigned start;
        unsigned stop;
        const char* text;
    };
    const Look looks[] = {{1, FrontPanel::startRunningBitmap, FrontPanel::stopRunningBitmap, "Encoding"},
                          {3, FrontPanel::startStoppedBitmap, FrontPanel::stopStoppedBitmap, "Pre-Rolling..."},
                          {2, FrontPanel::startRunningBitmap, FrontPanel::stopRunningBitmap, "Clearing..."},
                          {0, FrontPanel::startStoppedBitmap, FrontPanel::stopStoppedBitmap, "Stopped"}};
    for (const Look& look : looks)
    {
        SCOPED_TRACE(look.state);
        pollStatus(myKey, theEncoderState, look.state);
        EXPECT_EQ(look.start, at(FrontPanel::startButtonId).image());
        EXPECT_EQ(look.stop, at(FrontPanel::stopButtonId).image());
        EXPECT_EQ(look.text, selectedText(at(FrontPanel::stoppedStateListId)));
    }
    myUser.finish();
}

TEST_F(Kq310FrontPanelTest, OneBandwidthListShowsPerSampleRate)
{
    const int lists[3] = {FrontPanel::bandwidthList32Id, FrontPanel::bandwidthList44Id, FrontPanel::bandwidthList48Id};
    const unsigned firstTexts[3] = {14040, 14020, 14000};
    pollStatus(myKey, theBandwidth, 5);
    for (int rate = 0; rate < 3; ++rate)
    {
        SCOPED_TRACE(rate);
        pollStatus(myKey, theSampleRateStatus, rate);
        // Rate 0 (48 kHz) shows the 48 kHz list, which is the last one given.
        for (int list = 0; list < 3; ++list)
        {
            EXPECT_EQ(list == 2 - rate, at(lists[list]).isShown());
            EXPECT_EQ(text(firstTexts[list] + 5), selectedText(at(lists[list])));
        }
    }
    EXPECT_EQ("6.80 kHz", text(14000));
    EXPECT_EQ("23.67 kHz", text(14015));
    EXPECT_EQ("6.24 kHz", text(14020));
    EXPECT_EQ("21.75 kHz", text(14035));
    EXPECT_EQ("4.53 kHz", text(14040));
    EXPECT_EQ("15.78 kHz", text(14055));
}

TEST_F(Kq310FrontPanelTest, MetersReadDecibelsBelowFullScale)
{
    for (int index = 0; index < 6; ++index)
    {
        SCOPED_TRACE(index);
        const MeterObserver* meter = myPanel.meter(index);
        ASSERT_TRUE(meter != nullptr);
        EXPECT_TRUE(meter->subject() != nullptr);
        EXPECT_DOUBLE_EQ(-60.0, meter->computedLevel(0));
        EXPECT_NEAR(-6.02, meter->computedLevel(16384), 0.01);
        EXPECT_NEAR(0.0, meter->computedLevel(32767), 0.001);
    }
    EXPECT_TRUE(myPanel.meter(6) == nullptr);
}

TEST_F(Kq310FrontPanelTest, RefreshingTheMetersPaintsEachValueWhetherAvailableOrNot)
{
    const Platform::Colour green(0, 255, 0);
    const Platform::Colour buttonFace = Platform::Colour::buttonFace();
    const int bars[] = {FrontPanel::leftMeterId,         FrontPanel::rightMeterId,
                        FrontPanel::centerMeterId,       FrontPanel::leftSurroundMeterId,
                        FrontPanel::rightSurroundMeterId, FrontPanel::lfeMeterId};
    const ParameterId levels[] = {ParameterId('C', 4), ParameterId('C', 6), ParameterId('C', 5),
                                  ParameterId('C', 7), ParameterId('C', 8), ParameterId('C', 9)};
    std::vector<ParameterProbe> probes(6);
    for (int index = 0; index < 6; ++index)
    {
        pollStatus(myKey, levels[index], 32767);
        EXPECT_EQ(green, colourOf(at(bars[index]))) << index;
    }
    // Half of them turn unavailable and show the button face.
    for (int index = 0; index < 6; index += 2)
    {
        status(myKey, levels[index], probes[index]).setAvailable(false);
        EXPECT_EQ(buttonFace, colourOf(at(bars[index]))) << index;
    }
    myPanel.refreshMeters();
    for (int index = 0; index < 6; ++index)
    {
        EXPECT_EQ(green, colourOf(at(bars[index]))) << index;
        EXPECT_TRUE(myPanel.meter(index)->drawn()) << index;
    }

    // A meter whose device is gone paints the value its parameter last had.
    myView.dropOrphans = false;
    myDocument.closeDevice(myKey);
    for (int bar : bars)
    {
        at(bar).fillRectangle(at(bar).clientRectangle(), buttonFace);
    }
    myPanel.refreshMeters();
    for (int index = 0; index < 6; ++index)
    {
        EXPECT_TRUE(myPanel.meter(index)->subject() == nullptr) << index;
        EXPECT_EQ(green, colourOf(at(bars[index]))) << index;
    }
}

TEST_F(Kq310FrontPanelTest, EnterAndEscapeLeaveThePanelAlone)
{
    at(FrontPanel::dataRateId).setFocus();
    myUser.pressEnter();
    myUser.pressEscape();
    ASSERT_TRUE(myPanel.window() != nullptr);
    EXPECT_TRUE(myPanel.window()->isVisible());
    EXPECT_EQ(1, myTabs.panelCount());
    myUser.finish();
}

TEST_F(Kq310FrontPanelTest, TabsLabelTheModelAndPortWhateverTheSettings)
{
    std::string name;
    myPanel.getName(name);
    EXPECT_EQ("Kq310", name);
    setControl(myKey, theDataRate, 10);
    myTabs.relabel(myKey);
    EXPECT_EQ("Kq310 (Offline 0)", myTabWindow->itemText(0));
}

TEST_F(Kq310FrontPanelTest, PageTabsSwitchPages)
{
    Kq310PageTabs& pages = myPanel.pages();
    ASSERT_TRUE(pages.window() != nullptr);
    EXPECT_EQ(pages.window(), &at(Kq310FrontPanel::pagesId));
    EXPECT_EQ((std::vector<std::string>{"Preprocessing", "Bitstream Info", "Dual Mono", "Input/Output", "Time Code"}),
              pages.window()->items());
    ASSERT_EQ(pages.window()->itemCount(), pages.pageCount());
    const auto onlyVisible = [&](int aShown) {
        for (int index = 0; index < pages.pageCount(); ++index)
        {
            SCOPED_TRACE(index);
            ASSERT_TRUE(pages.page(index)->window() != nullptr);
            EXPECT_EQ(index == aShown, pages.page(index)->window()->isShown());
            EXPECT_EQ(index == aShown, pages.page(index)->window()->isEnabled());
        }
    };
    onlyVisible(0);
    EXPECT_TRUE(myUser.selectTab(Kq310FrontPanel::pagesId, 2));
    onlyVisible(2);
    EXPECT_TRUE(myUser.selectTab(Kq310FrontPanel::pagesId, 0));
    onlyVisible(0);
    myUser.finish();
}

TEST_F(Kq310FrontPanelTest, ClosingTheDeviceFirstThenThePanelTouchesNothing)
{
    myView.dropOrphans = false;
    myDocument.closeDevice(myKey);
    ASSERT_EQ(1, myTabs.panelCount());
    // Controls keep their last state; a user's choice now reaches no device.
    EXPECT_EQ(text(10200 + 15), at(FrontPanel::dataRateId).text());
    EXPECT_TRUE(myUser.pick(FrontPanel::dataRateId, 0));
    EXPECT_TRUE(myUser.click(FrontPanel::startButtonId));
    EXPECT_FALSE(myDocument.hasDevice(myKey));
    myTabs.removeOrphanedTabs();
    EXPECT_EQ(0, myTabs.panelCount());
    myUser.finish();
}

TEST(Kq310FrontPanelAloneTest, APanelForADeviceThatIsGoneAttachesNothingAndReportsNothing)
{
    PanelStage stage;
    const int updates = stage.myView.updates;
    Kq310FrontPanel panel(DeviceKey(0, 7), &stage.myDocument, nullptr);
    panel.createIn(stage.myTabWindow);
    // The observers are there, bound to nothing.
    EXPECT_FALSE(panel.control(FrontPanel::lfeEnableId).isChecked());
    ASSERT_TRUE(panel.meter(0) != nullptr);
    EXPECT_TRUE(panel.meter(0)->subject() == nullptr);
    stage.myUser.lookAt(*stage.myMain);
    EXPECT_TRUE(stage.myUser.click(FrontPanel::startButtonId));
    EXPECT_TRUE(stage.myUser.click(FrontPanel::lfeEnableId));
    EXPECT_LT(updates, stage.myView.updates);
    stage.myUser.finish();
}

// Resources that lack the button images from aMissing on.
class MissingBitmapTest : public ::testing::TestWithParam<unsigned>
{
protected:
    static Platform::Resources resourcesWithout(unsigned aMissing)
    {
        const Platform::Resources complete = programResources();
        Platform::Resources resources;
        resources.strings() = complete.strings();
        resources.addDialog(Kq310FrontPanel::dialogTemplate());
        Kq310PageTabs::addResources(resources);
        CTessivaDoc::addResources(resources);
        for (unsigned bitmap = FrontPanel::stopRunningBitmap; bitmap < aMissing; ++bitmap)
        {
            resources.addBitmap(bitmap, *complete.bitmap(bitmap));
        }
        return resources;
    }
};

TEST_P(MissingBitmapTest, StopsTheObserversWithItsMessage)
{
    PanelStage stage(resourcesWithout(GetParam()));
    const DeviceKey key = stage.openKq310();
    stage.myUser.expectMessageBox(GetParam() == FrontPanel::stopRunningBitmap ? "error loading the stop bitmap"
                                                                              : "error loading the start bitmap");
    Kq310FrontPanel panel(key, &stage.myDocument, nullptr);
    panel.createIn(stage.myTabWindow);
    stage.myUser.finish();
    // What came before stays; the meters, which come after, never came.
    EXPECT_TRUE(panel.meter(0) == nullptr);
    EXPECT_NE(-1, panel.control(FrontPanel::dataRateId).selection());
}

INSTANTIATE_TEST_SUITE_P(StopAndStart, MissingBitmapTest,
                         ::testing::Values(FrontPanel::stopRunningBitmap, FrontPanel::startStoppedBitmap));
