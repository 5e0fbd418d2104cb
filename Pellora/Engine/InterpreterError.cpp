#include "Pellora/Engine/InterpreterError.h"

InterpreterError::InterpreterError(const std::string& aMessage)
    : VornaException(aMessage)
{
}
