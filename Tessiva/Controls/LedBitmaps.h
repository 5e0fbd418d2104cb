#pragma once

namespace Platform
{
class Resources;
}

// The LED pictures that panels and pages put on their statics: lit, unlit
// and red, drawn by the program itself.
class LedBitmaps
{
public:
    static constexpr unsigned on = 147;
    static constexpr unsigned off = 4014;
    static constexpr unsigned red = 148;

    // Adds the three pictures unless the resources hold them already.
    static void addResources(Platform::Resources& aResources);
};
