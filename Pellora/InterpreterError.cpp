#include "Pellora/InterpreterError.h"

InterpreterError::InterpreterError(const std::string& aMessage)
    : VornaException(aMessage)
{
}
