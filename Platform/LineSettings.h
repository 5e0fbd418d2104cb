#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace Platform
{
// How a serial line to the units is set: its rate and the framing of every
// byte (a start bit, the data bits, no parity bit, the stop bits).
struct LineSettings
{
    static constexpr unsigned startBits = 1;

    std::uint32_t baudRate = 0;
    unsigned dataBits = 8;
    unsigned stopBits = 1;

    constexpr LineSettings() = default;
    constexpr explicit LineSettings(std::uint32_t aBaudRate) : baudRate(aBaudRate) {}

    // What one byte takes on the wire.
    constexpr unsigned bitsPerByte() const { return startBits + dataBits + stopBits; }

    constexpr bool operator==(const LineSettings& anOther) const
    {
        return baudRate == anOther.baudRate && dataBits == anOther.dataBits && stopBits == anOther.stopBits;
    }
    constexpr bool operator!=(const LineSettings& anOther) const { return !(*this == anOther); }
};

// The rates the programs offer for a line, slowest first; their positions
// are the indexes that the programs' settings store. The units' loaders also
// speak rates that their remote control does not.
struct OfferedRate
{
    std::uint32_t baudRate;
    bool remoteControl;
};

inline constexpr OfferedRate offeredRates[] = {
    {9600, true},
    {14400, false},
    {19200, true},
    {38400, true},
};

// The rates of one program in the table's order: every rate for a download,
// those marked for remote control otherwise.
class RateList
{
public:
    static constexpr RateList download() { return RateList(false); }
    static constexpr RateList remoteControl() { return RateList(true); }

    constexpr std::size_t size() const
    {
        std::size_t count = 0;
        for (const OfferedRate& rate : offeredRates)
        {
            count += offers(rate) ? 1 : 0;
        }
        return count;
    }

    // The rate at anIndex; nothing when the list has no such index.
    constexpr std::optional<LineSettings> at(int anIndex) const
    {
        int index = 0;
        for (const OfferedRate& rate : offeredRates)
        {
            if (offers(rate) && index++ == anIndex)
            {
                return LineSettings(rate.baudRate);
            }
        }
        return std::nullopt;
    }

    // The index of aBaudRate; nothing when the list does not offer it.
    constexpr std::optional<int> indexOf(std::uint32_t aBaudRate) const
    {
        int index = 0;
        for (const OfferedRate& rate : offeredRates)
        {
            if (offers(rate))
            {
                if (rate.baudRate == aBaudRate)
                {
                    return index;
                }
                ++index;
            }
        }
        return std::nullopt;
    }

private:
    constexpr explicit RateList(bool aRemoteControl) : myRemoteControl(aRemoteControl) {}

    constexpr bool offers(const OfferedRate& aRate) const { return !myRemoteControl || aRate.remoteControl; }

    bool myRemoteControl;
};

// "9600 baud": the rate as the programs label it. With aDigits, a rate of
// fewer digits is padded by two blanks for each (a digit is about twice as
// wide as a blank), so that a column of labels lines up: "9600   baud".
std::string rateLabel(std::uint32_t aBaudRate, std::size_t aDigits = 0);
}
