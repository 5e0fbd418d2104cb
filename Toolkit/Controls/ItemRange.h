#pragma once

#include <functional>
#include <string>

namespace Platform
{
class Window;
}

// The values that the items of a combo or list box stand for: item 0 is the
// bottom value, the last item the top value. Following a parameter's limits
// deletes items at either end or puts their texts back in order.
class ItemRange
{
public:
    typedef std::function<std::string(int aValue)> TextOf;

    ItemRange(int aBottom, int aTop);

    // Item texts are fetched before the range moves, so a text that cannot be
    // loaded leaves range and items as they were.
    void followMinimum(Platform::Window& aBox, int aMinimum, const TextOf& aTextOf);
    void followMaximum(Platform::Window& aBox, int aMaximum, const TextOf& aTextOf);

    int bottom() const { return myBottom; }
    int top() const { return myTop; }

private:
    int myBottom;
    int myTop;
};
