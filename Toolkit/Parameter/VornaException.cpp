#include "Toolkit/Parameter/VornaException.h"

VornaException::VornaException(const std::string& aMessage)
    : std::runtime_error(aMessage)
{
}
