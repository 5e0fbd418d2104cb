#include "Tessiva/Controls/LedBitmaps.h"

#include "Platform/Window/Bitmap.h"
#include "Platform/Window/Colour.h"
#include "Platform/Window/Rectangle.h"
#include "Platform/Window/Resources.h"

namespace
{
const int theSize = 12;

Platform::Bitmap led(const Platform::Colour& aColour)
{
    // A round lamp; around it the panel shows through.
    Platform::Bitmap picture(theSize, theSize);
    picture.makeTransparent(Platform::Rectangle(0, 0, theSize, theSize));
    const double centre = (theSize - 1) / 2.0;
    const double radius = theSize / 2.0 - 1.0;
    for (int y = 0; y < theSize; ++y)
    {
        for (int x = 0; x < theSize; ++x)
        {
            const double dx = x - centre;
            const double dy = y - centre;
            if (dx * dx + dy * dy <= radius * radius)
            {
                picture.setPixel(x, y, aColour);
            }
        }
    }
    return picture;
}
}

void LedBitmaps::addResources(Platform::Resources& aResources)
{
    aResources.addBitmap(on, led(Platform::Colour(0, 255, 0)));
    aResources.addBitmap(off, led(Platform::Colour(0, 96, 0)));
    aResources.addBitmap(red, led(Platform::Colour(255, 0, 0)));
}
