#pragma once

#include "Toolkit/Parameter/VornaException.h"

namespace Win32Implementation
{
// The program is closing during a run: the run ends at once, without a message
// box and without resetting the window, which is going away.
class ExitException : public VornaException
{
public:
    ExitException();
};
}
