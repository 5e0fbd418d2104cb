#pragma once

#include "Toolkit/Parameter/VornaException.h"

namespace Win32Implementation
{
// The operator pressed Stop: the run ends quietly, without a message box.
class CancelException : public VornaException
{
public:
    CancelException();
};
}
