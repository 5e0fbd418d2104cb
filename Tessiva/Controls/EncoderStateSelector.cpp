#include "Tessiva/Controls/EncoderStateSelector.h"

#include "Platform/Window/Window.h"
#include "Toolkit/Parameter/Parameter.h"
#include "Toolkit/Parameter/VornaException.h"

EncoderStateSelector::EncoderStateSelector(Platform::Window* aWindowA, Platform::Window* aWindowB)
{
    if (aWindowA == nullptr || aWindowB == nullptr)
    {
        throw VornaException("NULL encoder state window.");
    }
    myWindows.push_back(aWindowA);
    myWindows.push_back(aWindowB);
}

void EncoderStateSelector::update(Subject* aSubject)
{
    const Parameter* subject = ownParameter(aSubject);
    if (subject == nullptr)
    {
        return;
    }
    const std::size_t selected = subject->value().toShort() > 0 ? 1 : 0;
    for (std::size_t index = 0; index < myWindows.size(); ++index)
    {
        if (myWindows[index] != nullptr)
        {
            myWindows[index]->show(index == selected);
        }
    }
}
