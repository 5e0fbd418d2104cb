#include "Platform/Window/Bitmap.h"

#include "Platform/Assertion.h"

#include <algorithm>

namespace Platform
{
Bitmap::Bitmap(int aWidth, int aHeight, const Colour& aBackground)
    : myWidth(aWidth), myHeight(aHeight)
{
    VORNA_ASSERT(aWidth >= 0 && aHeight >= 0);
    myPixels.assign(static_cast<std::size_t>(aWidth) * static_cast<std::size_t>(aHeight), aBackground);
}

void Bitmap::setPixel(int anX, int aY, const Colour& aColour)
{
    if (anX >= 0 && anX < myWidth && aY >= 0 && aY < myHeight)
    {
        myPixels[static_cast<std::size_t>(aY) * myWidth + anX] = aColour;
    }
}

Colour Bitmap::pixel(int anX, int aY) const
{
    if (anX >= 0 && anX < myWidth && aY >= 0 && aY < myHeight)
    {
        return myPixels[static_cast<std::size_t>(aY) * myWidth + anX];
    }
    return Colour();
}

void Bitmap::fill(const Rectangle& aRectangle, const Colour& aColour)
{
    const int left = std::max(0, aRectangle.left);
    const int right = std::min(myWidth, aRectangle.right);
    const int top = std::max(0, aRectangle.top);
    const int bottom = std::min(myHeight, aRectangle.bottom);
    for (int y = top; y < bottom; ++y)
    {
        for (int x = left; x < right; ++x)
        {
            myPixels[static_cast<std::size_t>(y) * myWidth + x] = aColour;
        }
    }
}
}
