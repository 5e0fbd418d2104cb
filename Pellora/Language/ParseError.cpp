#include "Pellora/Language/ParseError.h"

ParseError::ParseError(const std::string& aMessage)
    : VornaException(aMessage)
{
}
