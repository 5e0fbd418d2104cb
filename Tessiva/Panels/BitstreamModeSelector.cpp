#include "Tessiva/Panels/BitstreamModeSelector.h"

#include "Platform/Window/Window.h"
#include "Toolkit/Parameter/Parameter.h"

BitstreamModeSelector::BitstreamModeSelector(Platform::Window* aBelowTwo, Platform::Window* aFromTwo)
{
    myWindows.push_back(aBelowTwo);
    myWindows.push_back(aFromTwo);
}

void BitstreamModeSelector::update(Subject* aSubject)
{
    const Parameter* subject = ownParameter(aSubject);
    if (subject == nullptr)
    {
        return;
    }
    const std::size_t shown = subject->value().toShort() < 2 ? 0 : 1;
    for (std::size_t index = 0; index < myWindows.size(); ++index)
    {
        if (myWindows[index] != nullptr)
        {
            myWindows[index]->show(index == shown);
        }
    }
}
