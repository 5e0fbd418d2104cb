#include "ControlBench.h"

#include "Toolkit/Controls/DecibelScaler.h"
#include "Toolkit/Controls/MeterObserver.h"
#include "Toolkit/Controls/MeterSettings.h"
#include "Toolkit/Parameter/VornaException.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

using Platform::Colour;
using Platform::WindowKind;

namespace
{
const Colour black(0, 0, 0);
const Colour red(255, 0, 0);
const Colour green(0, 255, 0);

class Unscaled : public MeterScaler
{
public:
    double scale(double aLevel, double) const override { return aLevel; }
};

// The channel meters of the front panels: dB from -60 to 0, falling at most
// 40 dB a second, 32768 full scale.
MeterSettings frontPanelSettings()
{
    MeterSettings settings;
    settings.horizontal = true;
    settings.offset = 0.0;
    settings.referenceLevel = -60.0;
    settings.top = 0.0;
    settings.bottom = -60.0;
    settings.riseRate = 0.0;
    settings.fallRate = 40.0;
    settings.scaleFactor = 1.0 / 32768.0;
    return settings;
}

class MeterObserverTest : public ControlBench
{
protected:
    MeterObserverTest()
        : bar(dialog.createChild(WindowKind::Static, 1090, "", Platform::WindowStyle(),
                                 Platform::Rectangle(10, 10, 110, 20))),
          level(&protocol, ParameterId('C', 4), ParameterValue(0), ParameterValue(32767))
    {
        level.setNotifyAlways();
    }

    std::unique_ptr<MeterObserver> makeMeter(const MeterSettings& aSettings, const MeterScaler* aScaler = nullptr)
    {
        auto meter = std::make_unique<MeterObserver>(&bar, aScaler != nullptr ? aScaler : &decibels, &aSettings);
        meter->setClock([this] { return now; });
        return meter;
    }

    void poll(int aRaw)
    {
        ParameterValueMap values;
        values[level.id()] = ParameterValue(aRaw);
        level.update(values);
    }

    // The columns (or rows, counted from the bottom edge) painted in one colour.
    int extent(const Colour& aColour, bool aHorizontal) const
    {
        const Platform::Rectangle client = bar.clientRectangle();
        int count = 0;
        const int length = aHorizontal ? client.width() : client.height();
        for (int i = 0; i < length; ++i)
        {
            const std::optional<Colour> colour =
                aHorizontal ? bar.colourAt(i, 0) : bar.colourAt(0, client.height() - 1 - i);
            count += colour && *colour == aColour ? 1 : 0;
        }
        return count;
    }

    Platform::Window& bar;
    Parameter level;
    DecibelScaler decibels;
    std::uint32_t now = 1000;
};

TEST(DecibelScalerTest, GivesDecibelsAndTheFloorForSilence)
{
    const DecibelScaler scaler;
    EXPECT_DOUBLE_EQ(0.0, scaler.scale(1.0, -60.0));
    EXPECT_DOUBLE_EQ(20.0, scaler.scale(10.0, -60.0));
    EXPECT_DOUBLE_EQ(-40.0, scaler.scale(0.01, -60.0));
    EXPECT_EQ(-60.0, scaler.scale(0.0, -60.0));
    EXPECT_EQ(-60.0, scaler.scale(-0.5, -60.0)) << "no logarithm of a negative level";
}

struct LevelCase
{
    int raw;
    double level;
};

TEST_F(MeterObserverTest, ScalesClampsAndKeepsTheFloorForSilence)
{
    const MeterSettings settings = frontPanelSettings();
    const auto meter = makeMeter(settings);
    const LevelCase cases[] = {
        {0, -60.0},                               // silence: the floor, never log(0)
        {32768, 0.0},                             // full scale
        {65535, 0.0},                             // above full scale: the top
        {16384, 20.0 * std::log10(0.5)},
        {328, 20.0 * std::log10(328.0 / 32768.0)},
        {30, -60.0},                              // below the bottom: the bottom
    };
    for (const LevelCase& c : cases)
    {
        EXPECT_NEAR(c.level, meter->computedLevel(static_cast<std::uint16_t>(c.raw)), 1e-9) << "raw " << c.raw;
    }
}

TEST_F(MeterObserverTest, OffsetAndScaleFactorComeBeforeTheScaler)
{
    MeterSettings settings = frontPanelSettings();
    settings.scaleFactor = 0.001;
    settings.offset = 0.1;
    const auto meter = makeMeter(settings);
    EXPECT_NEAR(-20.0, meter->computedLevel(0), 1e-9);
    EXPECT_NEAR(0.0, meter->computedLevel(900), 1e-9);
    settings.offset = -1.0;
    EXPECT_EQ(-60.0, makeMeter(settings)->computedLevel(0)) << "a negative level shows silence";
}

TEST_F(MeterObserverTest, AtTheReferenceTheFrontPanelMeterIsBlackAndAboveItGreenFromTheLeft)
{
    const auto meter = makeMeter(frontPanelSettings());
    level.attach(meter.get());
    EXPECT_TRUE(meter->drawn());
    EXPECT_EQ(100, extent(black, true)) << "silence sits at the reference";

    poll(1037); // just above -30 dB: half the scale
    EXPECT_EQ(50, extent(green, true));
    EXPECT_EQ(50, extent(black, true));
    EXPECT_EQ(green, *bar.colourAt(0, 5));
    EXPECT_EQ(black, *bar.colourAt(99, 5));
}

TEST_F(MeterObserverTest, BelowTheReferenceTheBarIsRedUpToIt)
{
    MeterSettings settings;
    settings.horizontal = false;
    settings.referenceLevel = 50.0;
    settings.top = 100.0;
    settings.bottom = 0.0;
    settings.scaleFactor = 1.0;
    bar.move(Platform::Rectangle(0, 0, 4, 100));
    const Unscaled unscaled;
    const auto meter = makeMeter(settings, &unscaled);
    poll(20);
    level.attach(meter.get());
    EXPECT_EQ(20, extent(black, false) - 50) << "black from the bottom to the level, and above the reference";
    EXPECT_EQ(30, extent(red, false));
    EXPECT_EQ(red, *bar.colourAt(0, 99 - 20));
    EXPECT_EQ(black, *bar.colourAt(0, 99 - 19));
    EXPECT_EQ(red, *bar.colourAt(0, 99 - 49));
    EXPECT_EQ(black, *bar.colourAt(0, 99 - 50));

    poll(80);
    EXPECT_EQ(30, extent(green, false));
    EXPECT_EQ(green, *bar.colourAt(0, 99 - 50));
    EXPECT_EQ(black, *bar.colourAt(0, 99 - 80));
    EXPECT_EQ(0, extent(red, false));
}

TEST_F(MeterObserverTest, TheFallIsLimitedByTheElapsedTime)
{
    const auto meter = makeMeter(frontPanelSettings());
    poll(32768);
    level.attach(meter.get());
    EXPECT_DOUBLE_EQ(0.0, meter->lastLevel()) << "the first level is drawn at once";

    now += 250;
    poll(0);
    EXPECT_DOUBLE_EQ(-10.0, meter->lastLevel());
    now += 500;
    poll(0);
    EXPECT_DOUBLE_EQ(-30.0, meter->lastLevel()) << "the unchanged value still falls";
    EXPECT_EQ(50, extent(green, true));
    now += 10000;
    poll(0);
    EXPECT_DOUBLE_EQ(-60.0, meter->lastLevel());
    poll(32768);
    EXPECT_DOUBLE_EQ(0.0, meter->lastLevel()) << "no rise rate: the rise is immediate";
}

TEST_F(MeterObserverTest, TheRiseIsLimitedAcrossAClockWrap)
{
    MeterSettings settings = frontPanelSettings();
    settings.riseRate = 100.0;
    now = std::numeric_limits<std::uint32_t>::max() - 49;
    const auto meter = makeMeter(settings);
    level.attach(meter.get());
    now += 100; // wraps
    poll(32768);
    EXPECT_DOUBLE_EQ(-50.0, meter->lastLevel());
}

TEST_F(MeterObserverTest, AnUnavailableParameterPaintsTheButtonFace)
{
    const auto meter = makeMeter(frontPanelSettings());
    poll(32768);
    level.attach(meter.get());
    level.setAvailable(false);
    EXPECT_FALSE(meter->drawn());
    EXPECT_EQ(100, extent(Colour::buttonFace(), true));
    EXPECT_DOUBLE_EQ(0.0, meter->lastLevel()) << "the last level stays";
    level.setAvailable(true);
    EXPECT_TRUE(meter->drawn());
}

TEST_F(MeterObserverTest, AScaleWithoutSpanPaintsWithoutDividingByZero)
{
    MeterSettings settings;
    settings.top = 0.0;
    settings.bottom = 0.0;
    settings.referenceLevel = -1.0;
    const auto meter = makeMeter(settings);
    poll(5);
    level.attach(meter.get());
    EXPECT_TRUE(meter->drawn());
    EXPECT_EQ(0, extent(green, true) + extent(red, true));
}

TEST_F(MeterObserverTest, AMissingWindowOrScalerIsRefused)
{
    const MeterSettings settings = frontPanelSettings();
    try
    {
        MeterObserver meter(nullptr, &decibels, &settings);
        ADD_FAILURE() << "no error";
    }
    catch (const VornaException& error)
    {
        EXPECT_STREQ("Null meter window", error.what());
    }
    try
    {
        MeterObserver meter(&bar, nullptr, &settings);
        ADD_FAILURE() << "no error";
    }
    catch (const VornaException& error)
    {
        EXPECT_STREQ("Null meter scaler", error.what());
    }
}
}
