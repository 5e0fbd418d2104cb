#include "tests/Desktop/InputTest.h"

#include "tests/Desktop/DesktopSession.h"

#include <string>
#include <vector>

// The toolkit keeps caches for the life of the process that it never frees;
// only those are not leaks of ours.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libgtk-3\nleak:libgdk-3\nleak:libglib-2.0\nleak:libgobject-2.0\nleak:libfontconfig\n"
           "leak:libpango\nleak:libcairo\nleak:libharfbuzz\nleak:libX11\nleak:libatk\nleak:libgio-2.0\n"
           "leak:libatk-bridge\nleak:libdbus\nleak:libwx_gtk3u_core\nleak:libwx_baseu\nleak:libXi\n";
}

namespace
{
const bool theWindowManager = DesktopSession::requestWindowManager();
}

namespace Platform
{
void InputTest::SetUp()
{
    if (DesktopSession::backend() == NULL)
    {
        GTEST_SKIP() << "no desktop: " << DesktopSession::problem();
    }
    DesktopSession::takeToolkitComplaints();
}

void InputTest::TearDown()
{
    EXPECT_EQ(std::vector<std::string>(), DesktopSession::takeToolkitComplaints()) << "the toolkit complained";
}

WxBackend& InputTest::backend()
{
    return *DesktopSession::backend();
}
}
