#include "Platform/WaitInterrupted.h"

namespace Platform
{
WaitInterrupted::WaitInterrupted() : std::runtime_error("The wait was ended by a request to close.")
{
}
}
