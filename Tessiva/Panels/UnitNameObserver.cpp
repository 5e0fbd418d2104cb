#include "Tessiva/Panels/UnitNameObserver.h"

#include "Platform/Assertion.h"
#include "Tessiva/Panels/DeviceTabControl.h"
#include "Toolkit/Parameter/Parameter.h"

UnitNameObserver::UnitNameObserver(const DeviceKey& aKey, std::string* aName, Platform::Window* aTabControl)
    : myName(aName), myTabControl(aTabControl), myKey(aKey)
{
    VORNA_ASSERT(aName != NULL);
}

void UnitNameObserver::update(Subject* aSubject)
{
    if (aSubject == nullptr || aSubject != subject())
    {
        return;
    }
    const Parameter* parameter = dynamic_cast<const Parameter*>(aSubject);
    if (parameter == nullptr)
    {
        return;
    }
    *myName = parameter->value().toString();
    // Looked up each time: the tab control may be gone before the panel.
    if (DeviceTabControl* tabs = DeviceTabControl::fromWindow(myTabControl))
    {
        tabs->relabel(myKey);
    }
}
