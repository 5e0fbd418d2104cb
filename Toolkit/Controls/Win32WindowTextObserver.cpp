#include "Toolkit/Controls/Win32WindowTextObserver.h"

#include "Platform/Assertion.h"
#include "Platform/Window/Window.h"
#include "Toolkit/Parameter/Parameter.h"

Win32WindowTextObserver::Win32WindowTextObserver(Platform::Window* aWindow)
    : myWindow(aWindow)
{
    VORNA_ASSERT(aWindow != NULL);
    myWindow->setText("");
}

void Win32WindowTextObserver::update(Subject* aSubject)
{
    const Parameter* subject = ownParameter(aSubject);
    if (subject == nullptr)
    {
        return;
    }
    myWindow->setText(subject->value().toString());
    myWindow->enable(subject->available());
}
