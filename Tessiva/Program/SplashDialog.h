#pragma once

#include "Tessiva/Program/IconButton.h"

#include <memory>

namespace Platform
{
class Resources;
class Window;
}

// The start-up picture: a modeless window on template 154 whose one picture
// control (1087) shows bitmap 158 over the whole dialog, centred on the screen.
class SplashDialog
{
public:
    SplashDialog();
    // Closes the window when it is still open.
    ~SplashDialog();
    SplashDialog(const SplashDialog&) = delete;
    SplashDialog& operator=(const SplashDialog&) = delete;

    // Builds the window from the template, centres it and opens it; false
    // when the resources lack the template.
    bool create(const Platform::Resources& aResources);
    // Paints it at once.
    void updateWindow();
    void destroyWindow();

    // nullptr when not created or destroyed.
    Platform::Window* window() const { return myWindow.get(); }
    const IconButton& picture() const { return myPicture; }

private:
    std::unique_ptr<Platform::Window> myWindow;
    IconButton myPicture;
};
