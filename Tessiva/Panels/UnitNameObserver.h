#pragma once

#include "Tessiva/DeviceKey.h"
#include "Toolkit/Parameter/Observer.h"

#include <string>

namespace Platform
{
class Window;
}

// Keeps a unit's name and its device tab's label in step with the unit name
// parameter: each notification stores the name where the panel's getName
// reads it, then relabels the tab of the key.
class UnitNameObserver : public Observer
{
public:
    // aName is the panel's unit name, which its getName yields; aTabControl
    // is the window of the tab control of open devices that the panel was
    // created under (nullptr or a window of no tab control: nothing to relabel).
    UnitNameObserver(const DeviceKey& aKey, std::string* aName, Platform::Window* aTabControl);

    void update(Subject* aSubject) override;

private:
    std::string* myName;
    Platform::Window* myTabControl;
    DeviceKey myKey;
};
