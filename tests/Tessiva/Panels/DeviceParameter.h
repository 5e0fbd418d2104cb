#pragma once

#include "Tessiva/CTessivaDoc.h"
#include "Tessiva/DeviceKey.h"
#include "Toolkit/Parameter/Parameter.h"
#include "Toolkit/Parameter/ParameterId.h"

// The control (or status) parameter anId of the device under aKey, found the
// way the panels reach it: through the document, by attaching an observer.
Parameter& deviceParameter(CTessivaDoc& aDocument, const DeviceKey& aKey, const ParameterId& anId, bool aControl);
