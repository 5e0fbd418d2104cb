#include "Pellora/Engine/CancelException.h"

namespace Win32Implementation
{
CancelException::CancelException()
    : VornaException("Cancel Exception")
{
}
}
