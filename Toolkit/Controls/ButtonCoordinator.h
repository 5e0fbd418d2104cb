#pragma once

class LoadedBitmap;

namespace Platform
{
class Window;
}

// What the observers of one push button share: its pressed look, which a
// status observer sets and a command observer restores after the user's
// push, and whether the status shows the button pressed (its command is then
// not sent again).
class ButtonCoordinator
{
public:
    // The pressed flag starts as the button shows it now.
    explicit ButtonCoordinator(Platform::Window* aButton);

    void applyPressedLook();
    void setPressed(bool aPressed);
    void enable(bool anEnabled);
    // nullptr takes the bitmap off.
    void setBitmap(const LoadedBitmap* aBitmap);

    bool pressed() const { return myPressed; }
    bool pressedByStatus() const { return myPressedByStatus; }
    void setPressedByStatus(bool aPressed) { myPressedByStatus = aPressed; }
    Platform::Window* button() const { return myButton; }

private:
    Platform::Window* myButton;
    bool myPressed = false;
    bool myPressedByStatus = false;
};
