#pragma once

#include "Models/Unit/UnitRule.h"

#include <string>

// Refuses a unit of another model: watches the Device Type (0xF8, 0) that the
// unit reported and throws VornaException when it is not the expected type,
// letter case aside. Runs once when created and whenever the type changes.
class DeviceTypeCheck final : public UnitRule
{
public:
    DeviceTypeCheck(StatusCollection* aStatusCollection, ControlCollection* aControlCollection,
                    const std::string& anExpectedType);

    void onNewValue() override;

private:
    std::string myExpectedType;
};
