#include "tests/fuzz/ModelChoice.h"

#include "Models/Kq310OfflineDevice.h"
#include "Models/Unit/Kq330OfflineDevice.h"
#include "Models/Unit/Kq350OfflineDevice.h"

ModelChoice modelChoice(std::uint8_t aByte)
{
    return static_cast<ModelChoice>(aByte % modelCount);
}

std::uint8_t modelByte(ModelChoice aModel)
{
    return static_cast<std::uint8_t>(aModel);
}

std::unique_ptr<Device> makeOfflineDevice(ModelChoice aModel)
{
    switch (aModel)
    {
    case ModelChoice::kq310:
        return std::make_unique<Kq310OfflineDevice>();
    case ModelChoice::kq330:
        return std::make_unique<Kq330OfflineDevice>();
    default:
        return std::make_unique<Kq350OfflineDevice>();
    }
}
