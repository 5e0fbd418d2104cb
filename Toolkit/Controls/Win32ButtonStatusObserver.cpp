#include "Toolkit/Controls/Win32ButtonStatusObserver.h"

#include "Platform/Assertion.h"
#include "Toolkit/Controls/ButtonCoordinator.h"
#include "Toolkit/Parameter/Parameter.h"

#include <algorithm>

Win32ButtonStatusObserver::Win32ButtonStatusObserver(ButtonCoordinator* aCoordinator, std::int16_t aValue)
    : myCoordinator(aCoordinator), myValues(1, aValue)
{
    VORNA_ASSERT(aCoordinator != NULL);
}

void Win32ButtonStatusObserver::addValue(std::int16_t aValue)
{
    myValues.push_back(aValue);
}

void Win32ButtonStatusObserver::update(Subject* aSubject)
{
    const Parameter* subject = ownParameter(aSubject);
    if (subject == nullptr)
    {
        return;
    }
    const bool pressed = std::find(myValues.begin(), myValues.end(), subject->value().toShort()) != myValues.end();
    myCoordinator->setPressedByStatus(pressed);
    myCoordinator->setPressed(pressed);
    myCoordinator->enable(subject->available());
}
