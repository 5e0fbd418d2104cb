#include "Toolkit/Controls/Win32WindowSelectObserver.h"

#include "Platform/Window/Window.h"
#include "Toolkit/Parameter/Parameter.h"

Win32WindowSelectObserver::Win32WindowSelectObserver(Platform::Window* aWindow1, Platform::Window* aWindow2,
                                                     Platform::Window* aWindow3)
    : myWindows{{aWindow3, aWindow2, aWindow1}}
{
}

void Win32WindowSelectObserver::update(Subject* aSubject)
{
    const Parameter* subject = ownParameter(aSubject);
    if (subject == nullptr)
    {
        return;
    }
    const unsigned selected = subject->value().toUnsignedShort();
    for (unsigned index = 0; index < myWindows.size(); ++index)
    {
        if (myWindows[index] != nullptr)
        {
            myWindows[index]->show(index == selected);
        }
    }
}
