#include "Platform/Window/Window.h"
#include "Toolkit/Controls/BitMaskPredicate.h"
#include "Toolkit/Controls/LinearScaler.h"
#include "Toolkit/Controls/MeterObserver.h"
#include "Toolkit/Controls/MeterSettings.h"
#include "Toolkit/Controls/PositivePredicate.h"
#include "Toolkit/Parameter/ByteString.h"
#include "Toolkit/Parameter/ParameterValue.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <memory>

namespace
{
struct MaskCase
{
    std::uint16_t mask;
    ParameterValue value;
    bool expected;
};

TEST(BitMaskPredicateTest, TrueWhenAnyBitOfTheMaskIsSet)
{
    const MaskCase cases[] = {
        {128, ParameterValue(0x80), true},
        {128, ParameterValue(0xFF), true},
        {128, ParameterValue(0x7F), false},
        {128, ParameterValue(0x180), true},
        {128, ParameterValue(0x100), false},
        {1, ParameterValue(0), false},
        {1, ParameterValue(-1), true},
        {0x8000, ParameterValue(-32768), true},
        {0x8000, ParameterValue(0x7FFF), false},
        {0x0C, ParameterValue(0x08), true},
        {0, ParameterValue(-1), false},
        // Only the last two bytes of a longer value count, and no bytes read as 0.
        {1, ParameterValue(ByteString{0x01, 0x00, 0x00}), false},
        {1, ParameterValue(ByteString{0x00, 0x00, 0x01}), true},
        {0xFFFF, ParameterValue(), false},
    };
    for (const MaskCase& c : cases)
    {
        SCOPED_TRACE(&c - cases);
        EXPECT_EQ(c.expected, BitMaskPredicate(c.mask).test(c.value));
    }
}

struct PositiveCase
{
    ParameterValue value;
    bool expected;
};

TEST(PositivePredicateTest, TrueOnlyAboveZeroReadSigned)
{
    const PositiveCase cases[] = {
        {ParameterValue(1), true},
        {ParameterValue(2), true},
        {ParameterValue(0x7FFF), true},
        {ParameterValue(0), false},
        {ParameterValue(-1), false},
        {ParameterValue(0x8000), false},
        {ParameterValue(0xFFFF), false},
        {ParameterValue(), false},
        {ParameterValue(ByteString{0x7F, 0x00, 0x00}), false},
        {ParameterValue(ByteString{0xFF, 0x00, 0x05}), true},
    };
    const PositivePredicate positive;
    for (const PositiveCase& c : cases)
    {
        SCOPED_TRACE(&c - cases);
        EXPECT_EQ(c.expected, positive.test(c.value));
    }
}

struct ScaleCase
{
    double level;
    double floor;
};

TEST(LinearScalerTest, GivesTheLevelAndIgnoresTheFloor)
{
    const ScaleCase cases[] = {
        {0.0, -60.0}, {-24.0, -24.0}, {-100.0, -24.0}, {12.5, 100.0}, {1e9, 0.0}, {-0.0, 5.0},
    };
    const LinearScaler linear;
    for (const ScaleCase& c : cases)
    {
        SCOPED_TRACE(c.level);
        EXPECT_EQ(c.level, linear.scale(c.level, c.floor));
    }
}

struct MeterCase
{
    MeterSettings settings;
    int raw;
    double level;
};

MeterSettings pageMeter(double anOffset, double aReference, double aTop, double aBottom, double aScaleFactor)
{
    MeterSettings settings;
    settings.horizontal = true;
    settings.offset = anOffset;
    settings.referenceLevel = aReference;
    settings.top = aTop;
    settings.bottom = aBottom;
    settings.scaleFactor = aScaleFactor;
    return settings;
}

TEST(LinearScalerTest, AMeterOnItShowsTheRawValueScaledOffsetAndClamped)
{
    const MeterSettings inputLevel = pageMeter(9.03125, -60.0, 0.0, -60.0, -0.564453125);
    const MeterSettings lineMode = pageMeter(-24.0, 0.0, 24.0, -24.0, 0.1875);
    const MeterSettings rfMode = pageMeter(-48.0, 0.0, 24.0, -24.0, 0.375);
    const MeterCase cases[] = {
        {inputLevel, 16, 0.0},
        {inputLevel, 0, 0.0},
        {inputLevel, 50, 50 * -0.564453125 + 9.03125},
        {inputLevel, 65535, -60.0},
        {lineMode, 128, 0.0},
        {lineMode, 0, -24.0},
        {lineMode, 200, 13.5},
        {lineMode, 256, 24.0},
        {lineMode, 1000, 24.0},
        {rfMode, 128, 0.0},
        {rfMode, 64, -24.0},
        {rfMode, 10, -24.0},
        {rfMode, 160, 12.0},
        {rfMode, 192, 24.0},
        {rfMode, 65535, 24.0},
    };
    const LinearScaler linear;
    Platform::Window bar(Platform::WindowKind::Static, 1412);
    for (const MeterCase& c : cases)
    {
        SCOPED_TRACE(&c - cases);
        const MeterObserver meter(&bar, &linear, &c.settings);
        EXPECT_DOUBLE_EQ(c.level, meter.computedLevel(static_cast<std::uint16_t>(c.raw)));
    }
}
}
