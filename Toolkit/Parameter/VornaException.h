#pragma once

#include <stdexcept>
#include <string>

// The program's own error: carries the text that the user is shown, unchanged.
class VornaException : public std::runtime_error
{
public:
    explicit VornaException(const std::string& aMessage);
};
