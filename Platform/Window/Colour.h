#pragma once

namespace Platform
{
// A solid colour, eight bits per channel.
struct Colour
{
    unsigned char red;
    unsigned char green;
    unsigned char blue;

    constexpr Colour() : red(0), green(0), blue(0) {}
    constexpr Colour(unsigned char aRed, unsigned char aGreen, unsigned char aBlue) : red(aRed), green(aGreen), blue(aBlue) {}

    // The face colour of buttons and dialogs, with which a blank control is filled.
    static constexpr Colour buttonFace() { return Colour(240, 240, 240); }

    bool operator==(const Colour& anOther) const
    {
        return red == anOther.red && green == anOther.green && blue == anOther.blue;
    }
    bool operator!=(const Colour& anOther) const { return !(*this == anOther); }
};
}
