#pragma once

#include <string>
#include <vector>

namespace Platform
{
class Window;
class WxBackend;
}

// One virtual display and one drawing backend for a whole test program (the
// toolkit starts once per process), with the toolkit's complaints caught:
// everything written to standard error goes on to it and is also kept, so
// that a test can fail on a warning or critical of the toolkit.
namespace DesktopSession
{
// Asks for a window manager (openbox) on the display, so that windows get
// the focus as on a desktop, for tests of the user's keys; call it before
// the tests run (from a static initialiser). Returns true.
bool requestWindowManager();
// The backend, or nullptr when there is no display (problem() tells why).
Platform::WxBackend* backend();
const std::string& problem();
// The toolkit's warnings and criticals written since the last call.
std::vector<std::string> takeToolkitComplaints();
// build/screenshots/aName.png: a picture of aWindow as the screen shows it.
bool saveScreenshot(const std::string& aName, const Platform::Window& aWindow);
// Lets the toolkit draw and handle what waits.
void settle(unsigned aMilliseconds = 300);
}
