#pragma once

#include "Toolkit/Parameter/VornaException.h"

#include <string>

// A failed download or status check: a file that cannot be opened, a unit that
// gives no status, a wrong one or an error code.
class InterpreterError : public VornaException
{
public:
    explicit InterpreterError(const std::string& aMessage);
};
