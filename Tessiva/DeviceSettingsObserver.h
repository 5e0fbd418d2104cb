#pragma once

#include "Toolkit/Parameter/ParameterObserver.h"

#include <cstdint>

class CTessivaDoc;
class DeviceSettings;

// Keeps the connection settings consistent whenever the watched setting
// notifies (a new value or a changed availability): the port only on line,
// the address normalised to a valid bus address and only for the units that
// take one, the baud rate fixed for the KQ310 and for a port already open.
class DeviceSettingsObserver : public ParameterObserver
{
public:
    // Recomputes at once.
    DeviceSettingsObserver(Parameter* aSubject, DeviceSettings* aSettings, CTessivaDoc* aDocument);

    void onSubjectUpdated() override;

private:
    void recompute();

    DeviceSettings* mySettings;
    CTessivaDoc* myDocument;
};
