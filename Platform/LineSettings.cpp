#include "Platform/LineSettings.h"

namespace Platform
{
std::string rateLabel(std::uint32_t aBaudRate, std::size_t aDigits)
{
    const std::string number = std::to_string(aBaudRate);
    const std::size_t missing = number.size() < aDigits ? aDigits - number.size() : 0;
    return number + std::string(2 * missing, ' ') + " baud";
}
}
