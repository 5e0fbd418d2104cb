#include "Models/Unit/Kq350ParameterTable.h"

const char* const Kq350ParameterTable::deviceTypeText = "KQ350";
const char* const Kq350ParameterTable::minimumFirmwareText = "1.11";

Kq350ParameterTable::Kq350ParameterTable(AbstractProtocol* anOwner)
    : UnitParameterTable(anOwner, sampleRateLimit32, sampleRateLimit44, sampleRateLimitOther, codingDelayMaximum,
                         deviceTypeText, minimumFirmwareText, true)
{
}
