#include "Tessiva/Program/OpeningDeviceBox.h"

#include "Platform/Framework/Application.h"
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
    myWindow->centreIn(backend.screenArea());
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
