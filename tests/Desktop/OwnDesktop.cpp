#include "tests/Desktop/OwnDesktop.h"

#include "Platform/Wx/WxBackend.h"
#include "tests/support/VirtualDisplay.h"

#include <exception>

namespace Platform
{
std::unique_ptr<WxBackend> startOwnDesktop(VirtualDisplay& aDisplay, std::string& aReason)
{
    if (!aDisplay.start(aReason))
    {
        aReason = "no virtual display: " + aReason;
        return nullptr;
    }
    try
    {
        return std::make_unique<WxBackend>();
    }
    catch (const std::exception& anError)
    {
        aReason = std::string("no desktop: ") + anError.what();
        return nullptr;
    }
}
}
