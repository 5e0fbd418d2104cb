#pragma once

#include "Toolkit/Parameter/VornaException.h"

#include <string>

// A bad, missing or incomplete answer from a unit, thrown by the protocol layers
// (the retry layer repeats operations that fail with it).
class ProtocolException : public VornaException
{
public:
    explicit ProtocolException(const std::string& aMessage);
};
