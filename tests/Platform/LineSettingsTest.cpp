#include "Platform/LineSettings.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace
{
using Platform::LineSettings;
using Platform::RateList;

std::vector<std::uint32_t> ratesOf(const RateList& aList)
{
    std::vector<std::uint32_t> rates;
    for (int index = 0; index < static_cast<int>(aList.size()); ++index)
    {
        rates.push_back(aList.at(index)->baudRate);
    }
    return rates;
}

TEST(LineSettingsTest, AByteTakesAStartBitItsDataBitsAndItsStopBits)
{
    EXPECT_EQ(10u, LineSettings(9600).bitsPerByte());
    LineSettings twoStopBits(9600);
    twoStopBits.stopBits = 2;
    EXPECT_EQ(11u, twoStopBits.bitsPerByte());
    EXPECT_NE(LineSettings(9600), twoStopBits);
    EXPECT_EQ(LineSettings(9600), LineSettings(9600));
    EXPECT_NE(LineSettings(9600), LineSettings(19200));
    EXPECT_EQ(0u, LineSettings().baudRate);
}

TEST(LineSettingsTest, EachProgramOffersItsRatesAtTheIndexesItsSettingsStore)
{
    EXPECT_EQ(std::vector<std::uint32_t>({9600, 19200, 38400}), ratesOf(RateList::remoteControl()));
    EXPECT_EQ(std::vector<std::uint32_t>({9600, 14400, 19200, 38400}), ratesOf(RateList::download()));
    EXPECT_EQ(std::optional<int>(1), RateList::remoteControl().indexOf(19200));
    EXPECT_EQ(std::optional<int>(2), RateList::download().indexOf(19200));
    EXPECT_EQ(std::nullopt, RateList::remoteControl().indexOf(14400));
    EXPECT_EQ(std::nullopt, RateList::download().indexOf(57600));
    EXPECT_EQ(std::nullopt, RateList::remoteControl().at(3));
    EXPECT_EQ(std::nullopt, RateList::download().at(-1));
}

TEST(LineSettingsTest, RatesAreLabelledAndPaddedToAColumn)
{
    EXPECT_EQ("9600 baud", Platform::rateLabel(9600));
    EXPECT_EQ("38400 baud", Platform::rateLabel(38400));
    EXPECT_EQ("9600   baud", Platform::rateLabel(9600, 5));
    EXPECT_EQ("14400 baud", Platform::rateLabel(14400, 5));
    EXPECT_EQ("115200 baud", Platform::rateLabel(115200, 5));
}
}
