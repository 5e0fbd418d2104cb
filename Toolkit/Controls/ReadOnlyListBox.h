#pragma once

namespace Platform
{
class Window;
}

// A list box used as a display field: only an observer sets its selection.
// The window model takes no pick from the user on a read-only list.
class ReadOnlyListBox
{
public:
    // Makes the list read-only; does not own it.
    explicit ReadOnlyListBox(Platform::Window* aListBox);

    Platform::Window* window() const { return myListBox; }

private:
    Platform::Window* myListBox;
};
