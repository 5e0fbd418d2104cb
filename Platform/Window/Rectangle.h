#pragma once

namespace Platform
{
// A rectangle in whole units (pixels, or dialog units in a template): left and
// top inside, right and bottom just outside, as window rectangles are given.
struct Rectangle
{
    int left;
    int top;
    int right;
    int bottom;

    Rectangle() : left(0), top(0), right(0), bottom(0) {}
    Rectangle(int aLeft, int aTop, int aRight, int aBottom) : left(aLeft), top(aTop), right(aRight), bottom(aBottom) {}

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool contains(int anX, int aY) const { return anX >= left && anX < right && aY >= top && aY < bottom; }

    bool operator==(const Rectangle& anOther) const
    {
        return left == anOther.left && top == anOther.top && right == anOther.right && bottom == anOther.bottom;
    }
    bool operator!=(const Rectangle& anOther) const { return !(*this == anOther); }
};
}
