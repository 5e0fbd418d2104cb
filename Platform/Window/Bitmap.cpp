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
        myPixels[indexOf(anX, aY)] = aColour;
        if (!myTransparent.empty())
        {
            myTransparent[indexOf(anX, aY)] = false;
        }
    }
}

Colour Bitmap::pixel(int anX, int aY) const
{
    if (anX >= 0 && anX < myWidth && aY >= 0 && aY < myHeight)
    {
        return myPixels[indexOf(anX, aY)];
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
            myPixels[indexOf(x, y)] = aColour;
            if (!myTransparent.empty())
            {
                myTransparent[indexOf(x, y)] = false;
            }
        }
    }
}

void Bitmap::makeTransparent(const Rectangle& aRectangle)
{
    const int left = std::max(0, aRectangle.left);
    const int right = std::min(myWidth, aRectangle.right);
    const int top = std::max(0, aRectangle.top);
    const int bottom = std::min(myHeight, aRectangle.bottom);
    if (left >= right || top >= bottom)
    {
        return;
    }
    if (myTransparent.empty())
    {
        myTransparent.assign(myPixels.size(), false);
    }
    for (int y = top; y < bottom; ++y)
    {
        for (int x = left; x < right; ++x)
        {
            myTransparent[indexOf(x, y)] = true;
        }
    }
}

bool Bitmap::isTransparent(int anX, int aY) const
{
    return !myTransparent.empty() && anX >= 0 && anX < myWidth && aY >= 0 && aY < myHeight &&
           myTransparent[indexOf(anX, aY)];
}

bool Bitmap::isOpaque() const
{
    return std::find(myTransparent.begin(), myTransparent.end(), true) == myTransparent.end();
}
}
