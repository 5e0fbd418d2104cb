#include "Toolkit/Parameter/ProtocolException.h"

ProtocolException::ProtocolException(const std::string& aMessage)
    : VornaException(aMessage)
{
}
