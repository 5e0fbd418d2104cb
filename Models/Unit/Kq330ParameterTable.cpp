#include "Models/Unit/Kq330ParameterTable.h"

const char* const Kq330ParameterTable::deviceTypeText = "KQ330";
const char* const Kq330ParameterTable::minimumFirmwareText = "1.03";

Kq330ParameterTable::Kq330ParameterTable(AbstractProtocol* anOwner)
    : UnitParameterTable(anOwner, sampleRateLimit32, sampleRateLimit44, sampleRateLimitOther, codingDelayMaximum,
                         deviceTypeText, minimumFirmwareText, true)
{
}
