#include "Pellora/ParseError.h"

ParseError::ParseError(const std::string& aMessage)
    : VornaException(aMessage)
{
}
