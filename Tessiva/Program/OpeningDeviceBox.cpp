#include "Tessiva/Program/OpeningDeviceBox.h"

#include "Platform/Framework/Application.h"
#include "Platform/Framework/MainFrame.h"
#include "Platform/Window/Backend.h"
#include "Platform/Window/DialogTemplate.h"
#include "Platform/Window/Resources.h"
#include "Platform/Window/Window.h"
#include "Tessiva/Program/TessivaResources.h"

OpeningDeviceBox::OpeningDeviceBox()
{
    const Platform::DialogTemplate* box =
        Platform::Application::current().resources().dialog(TessivaResources::openingDeviceBox);
    if (box == nullptr)
    {
        return;
    }
    myWindow = box->create();
    Platform::Backend& backend = Platform::Backend::current();
    // Over the program's window once it shows; before, in the screen's middle.
    const Platform::MainFrame* frame = Platform::Application::current().mainFrame();
    const bool frameShown = frame != nullptr && frame->window().isShown();
    myWindow->centreIn(frameShown ? frame->window().rectangle() : backend.screenArea());
    backend.openWindow(*myWindow);
    backend.paintNow(*myWindow);
}

OpeningDeviceBox::~OpeningDeviceBox()
{
    if (myWindow != nullptr)
    {
        Platform::Backend::current().closeWindow(*myWindow);
    }
}
