#pragma once

#include <cstdint>
#include <memory>

class Device;

enum class ModelChoice
{
    kq310,
    kq330,
    kq350
};

constexpr int modelCount = 3;

ModelChoice modelChoice(std::uint8_t aByte);
std::uint8_t modelByte(ModelChoice aModel);
std::unique_ptr<Device> makeOfflineDevice(ModelChoice aModel);
