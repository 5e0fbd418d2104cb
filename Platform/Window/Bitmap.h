#pragma once

#include "Platform/Window/Colour.h"
#include "Platform/Window/Rectangle.h"

#include <vector>

namespace Platform
{
// A picture drawn by the program (LEDs, button images, tool-bar buttons):
// width by height pixels, row by row from the top. A picture is opaque until
// parts of it are made transparent: there it paints nothing, and whatever
// lies under it shows.
class Bitmap
{
public:
    Bitmap(int aWidth, int aHeight, const Colour& aBackground = Colour());

    int width() const { return myWidth; }
    int height() const { return myHeight; }
    // Points outside the picture are ignored (set) or black (get).
    void setPixel(int anX, int aY, const Colour& aColour);
    Colour pixel(int anX, int aY) const;
    // Clipped to the picture. Drawing makes the pixels it covers opaque.
    void fill(const Rectangle& aRectangle, const Colour& aColour);
    // Clipped to the picture; the pixels keep their colour, unshown.
    void makeTransparent(const Rectangle& aRectangle);
    // Points outside the picture are opaque black, as pixel() says.
    bool isTransparent(int anX, int aY) const;
    // Whether no pixel was made transparent (or all were drawn over since).
    bool isOpaque() const;

private:
    std::size_t indexOf(int anX, int aY) const { return static_cast<std::size_t>(aY) * myWidth + anX; }

    int myWidth;
    int myHeight;
    std::vector<Colour> myPixels;
    // One flag per pixel, made only once a pixel is made transparent: an
    // opaque picture costs nothing more.
    std::vector<bool> myTransparent;
};
}
