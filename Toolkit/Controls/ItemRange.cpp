#include "Toolkit/Controls/ItemRange.h"

#include "Platform/Window/Window.h"

ItemRange::ItemRange(int aBottom, int aTop)
    : myBottom(aBottom), myTop(aTop)
{
}

void ItemRange::followMinimum(Platform::Window& aBox, int aMinimum, const TextOf& aTextOf)
{
    while (myBottom < aMinimum)
    {
        aBox.deleteString(0);
        aBox.setSelection(0);
        ++myBottom;
    }
    while (myBottom > aMinimum)
    {
        const std::string text = aTextOf(myBottom - 1);
        --myBottom;
        aBox.insertString(0, text);
    }
}

void ItemRange::followMaximum(Platform::Window& aBox, int aMaximum, const TextOf& aTextOf)
{
    while (myTop > aMaximum)
    {
        aBox.deleteString(aBox.itemCount() - 1);
        --myTop;
    }
    while (myTop < aMaximum)
    {
        const std::string text = aTextOf(myTop + 1);
        ++myTop;
        aBox.addString(text);
    }
}
