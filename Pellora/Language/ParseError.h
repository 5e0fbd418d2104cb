#pragma once

#include "Toolkit/Parameter/VornaException.h"

#include <string>

// A download script that cannot be read or does not follow the grammar. The
// text names the fault and its line, e.g. "parse error on line 3\n".
class ParseError : public VornaException
{
public:
    explicit ParseError(const std::string& aMessage);
};
