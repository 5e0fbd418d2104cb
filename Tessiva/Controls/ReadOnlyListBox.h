#pragma once

namespace Platform
{
class Window;
}

// A list box used as a display field: only an observer sets its selection.
// The window model takes no pick from the user on a read-only list; the
// handlers below serve a backend that delivers the mouse and keys to the list
// itself. Each swallows its input (returns true: not passed on).
class ReadOnlyListBox
{
public:
    // Makes the list read-only; does not own it.
    explicit ReadOnlyListBox(Platform::Window* aListBox);

    bool buttonDown();
    bool character();
    // The first press remembers the selection; presses repeated while the key
    // is held, and its release, put it back.
    bool keyDown();
    bool keyUp();

    Platform::Window* window() const { return myListBox; }
    bool keyHeld() const { return myKeyHeld; }

private:
    Platform::Window* myListBox;
    bool myKeyHeld = false;
    int myRememberedSelection = -1;
};
