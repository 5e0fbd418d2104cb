#pragma once

#include "Toolkit/Controls/ControlObserver.h"
#include "Toolkit/Controls/ItemRange.h"

#include <string>

namespace Platform
{
class Window;
}

// Shows a parameter's value as the selected item of a list box whose items
// follow the parameter's limits: item 0 stands for the bottom value, the last
// item for the top value. Derived observers give the item texts.
class Win32ListBoxObserver : public ControlObserver
{
public:

    void update(Subject* aSubject) override;
    // Only shows: takes no notifications.
    void routeNotifications(const ControlBinder&) override {}
    // Delete or put back items at the top, and at the end, until the items
    // cover the limits.
    virtual void followMinimum(int aMinimum);
    virtual void followMaximum(int aMaximum);
    // The value that the item list counts in; the identity here.
    virtual int valueToItem(int aValue) const;

    int bottom() const { return myRange.bottom(); }
    int top() const { return myRange.top(); }
    int displayedIndex() const { return myDisplayedIndex; }

protected:
    // The range starts with the values of the first and the last item.
    Win32ListBoxObserver(Platform::Window* aListBox, int aBottom, int aTop);

    // The text of the item that stands for aValue.
    virtual std::string itemText(int aValue) const = 0;
    // Adds the items bottom..top in order and selects item 0.
    void fill();

    Platform::Window* myListBox;

private:
    ItemRange myRange;
    int myDisplayedIndex = 0;
};
