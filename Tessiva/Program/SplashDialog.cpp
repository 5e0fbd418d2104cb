#include "Tessiva/Program/SplashDialog.h"

#include "Platform/Window/Backend.h"
#include "Platform/Window/DialogTemplate.h"
#include "Platform/Window/Resources.h"
#include "Platform/Window/Window.h"
#include "Tessiva/Program/TessivaResources.h"

SplashDialog::SplashDialog()
{
}

SplashDialog::~SplashDialog()
{
    destroyWindow();
}

bool SplashDialog::create(const Platform::Resources& aResources)
{
    const Platform::DialogTemplate* splash = aResources.dialog(TessivaResources::splashDialog);
    if (splash == nullptr)
    {
        return false;
    }
    myWindow = splash->create();
    Platform::Backend& backend = Platform::Backend::current();
    myWindow->centreIn(backend.screenArea());
    myPicture.subclassDlgItem(TessivaResources::splashPicture, *myWindow);
    backend.openWindow(*myWindow);
    return true;
}

void SplashDialog::updateWindow()
{
    if (myWindow != nullptr)
    {
        Platform::Backend::current().paintNow(*myWindow);
    }
}

void SplashDialog::destroyWindow()
{
    if (myWindow != nullptr)
    {
        Platform::Backend::current().closeWindow(*myWindow);
        myWindow.reset();
    }
}
