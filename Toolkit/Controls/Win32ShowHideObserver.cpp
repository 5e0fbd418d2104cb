#include "Toolkit/Controls/Win32ShowHideObserver.h"

#include "Platform/Window/Window.h"
#include "Toolkit/Parameter/Parameter.h"

namespace
{
void showAll(const std::vector<Platform::Window*>& aWindows, bool aShown)
{
    for (Platform::Window* window : aWindows)
    {
        if (window != nullptr)
        {
            window->show(aShown);
        }
    }
}
}

Win32ShowHideObserver::Win32ShowHideObserver(Platform::Window* aWindowWhenDifferent,
                                             Platform::Window* aWindowWhenEqual, std::int16_t aValue)
    : myValue(aValue), myWindowsWhenDifferent(1, aWindowWhenDifferent), myWindowsWhenEqual(1, aWindowWhenEqual)
{
}

void Win32ShowHideObserver::addWindowWhenDifferent(Platform::Window* aWindow)
{
    myWindowsWhenDifferent.push_back(aWindow);
}

void Win32ShowHideObserver::addWindowWhenEqual(Platform::Window* aWindow)
{
    myWindowsWhenEqual.push_back(aWindow);
}

void Win32ShowHideObserver::update(Subject* aSubject)
{
    const Parameter* subject = ownParameter(aSubject);
    if (subject == nullptr)
    {
        return;
    }
    const bool equal = subject->value().toShort() == myValue;
    showAll(myWindowsWhenEqual, equal);
    showAll(myWindowsWhenDifferent, !equal);
}
