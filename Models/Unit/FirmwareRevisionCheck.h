#pragma once

#include "Models/Unit/UnitRule.h"

#include <string>

// Refuses a unit whose firmware is too old for remote control: watches the
// Firmware Version (0xF8, 1) and throws VornaException when its text sorts
// below the minimum revision. The texts are compared as texts, byte by byte,
// not as numbers. Runs once when created and whenever the version changes.
class FirmwareRevisionCheck final : public UnitRule
{
public:
    FirmwareRevisionCheck(StatusCollection* aStatusCollection, ControlCollection* aControlCollection,
                          const std::string& aMinimumRevision);

    void onNewValue() override;

    // Byte by byte as unsigned bytes over the shorter length; a text that is a
    // prefix of the other is the smaller one.
    static bool isOlder(const std::string& aRevision, const std::string& aMinimumRevision);

private:
    std::string myMinimumRevision;
};
