#pragma once

#include <stdexcept>

namespace Platform
{
// Ends a wait on the unit because the program was asked to close while it
// waited. It is no failure of the unit: nothing retries it and nothing shows
// it; the close that caused it runs from the program's own loop.
class WaitInterrupted : public std::runtime_error
{
public:
    WaitInterrupted();
};
}
