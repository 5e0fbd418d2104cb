#include "Platform/SystemReason.h"

#include <system_error>

namespace Platform
{
std::string withReason(const std::string& aText, int anError)
{
    return anError == 0 ? aText : aText + ": " + std::generic_category().message(anError);
}
}
