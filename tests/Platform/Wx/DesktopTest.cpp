#include "tests/Platform/Wx/DesktopTest.h"

#include "tests/Platform/Wx/ToolkitComplaints.h"
#include "tests/support/VirtualDisplay.h"

#include <csignal>
#include <memory>

#include <unistd.h>

// The toolkit keeps caches for the life of the process that it never frees;
// only those are not leaks of ours.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libgtk-3\nleak:libgdk-3\nleak:libglib-2.0\nleak:libgobject-2.0\nleak:libfontconfig\n"
           "leak:libpango\nleak:libcairo\nleak:libharfbuzz\nleak:libX11\nleak:libatk\nleak:libgio-2.0\n"
           "leak:libatk-bridge\nleak:libdbus\nleak:libwx_gtk3u_core\nleak:libwx_baseu\nleak:libXi\n";
}

namespace Platform
{
namespace
{
class DesktopEnvironment : public testing::Environment
{
public:
    void SetUp() override
    {
        // Whatever hangs (a dialog waiting for someone) ends the program in
        // two minutes instead of holding the run.
        std::signal(SIGALRM, [](int) {
            const char message[] = "desktop tests: still running after 120 s, stopped\n";
            const ssize_t written = write(STDERR_FILENO, message, sizeof message - 1);
            static_cast<void>(written);
            _exit(2);
        });
        alarm(120);
        if (!display.start(problem) || !display.startWindowManager(problem))
        {
            return;
        }
        complaints.reset(new ToolkitComplaints());
        try
        {
            backend.reset(new WxBackend());
        }
        catch (const std::exception& anError)
        {
            problem = anError.what();
        }
    }

    void TearDown() override
    {
        backend.reset();
        complaints.reset();
        display.stop();
    }

    std::string problem;
    VirtualDisplay display;
    std::unique_ptr<ToolkitComplaints> complaints;
    std::unique_ptr<WxBackend> backend;
};

DesktopEnvironment* const theEnvironment =
    static_cast<DesktopEnvironment*>(testing::AddGlobalTestEnvironment(new DesktopEnvironment()));
}

void DesktopTest::SetUp()
{
    if (!theEnvironment->backend)
    {
        GTEST_SKIP() << "no desktop: " << theEnvironment->problem;
    }
    theEnvironment->complaints->since();
}

void DesktopTest::TearDown()
{
    if (theEnvironment->complaints)
    {
        EXPECT_EQ("", theEnvironment->complaints->since()) << "the toolkit complained";
    }
}

WxBackend& DesktopTest::backend()
{
    return *theEnvironment->backend;
}
}
