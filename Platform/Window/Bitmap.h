#pragma once

#include "Platform/Window/Colour.h"
#include "Platform/Window/Rectangle.h"

#include <vector>

namespace Platform
{
// A picture drawn by the program (LEDs, button images, tool-bar buttons):
// width by height pixels, row by row from the top.
class Bitmap
{
public:
    Bitmap(int aWidth, int aHeight, const Colour& aBackground = Colour());

    int width() const { return myWidth; }
    int height() const { return myHeight; }
    // Points outside the picture are ignored (set) or black (get).
    void setPixel(int anX, int aY, const Colour& aColour);
    Colour pixel(int anX, int aY) const;
    // Clipped to the picture.
    void fill(const Rectangle& aRectangle, const Colour& aColour);

private:
    int myWidth;
    int myHeight;
    std::vector<Colour> myPixels;
};
}
