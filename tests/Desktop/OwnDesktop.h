#pragma once

#include <memory>
#include <string>

namespace Platform
{
class VirtualDisplay;
class WxBackend;

// For a program outside the test sessions (a benchmark): starts aDisplay, a
// virtual display of its own, and the drawing backend on it; nullptr with
// aReason when either could not start.
std::unique_ptr<WxBackend> startOwnDesktop(VirtualDisplay& aDisplay, std::string& aReason);
}
