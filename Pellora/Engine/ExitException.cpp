#include "Pellora/Engine/ExitException.h"

namespace Win32Implementation
{
ExitException::ExitException()
    : VornaException("Exit Exception")
{
}
}
