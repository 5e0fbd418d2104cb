#include "tests/Desktop/DesktopSession.h"

#include "Platform/Wx/WxBackend.h"
#include "tests/support/VirtualDisplay.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
// Words that start a complaint of the toolkit or its libraries.
const char* const complaintMarks[] = {"-WARNING **", "-CRITICAL **", "Gtk-Message", "wxWidgets Debug", ": assert"};
const unsigned hangSeconds = 120;

bool& windowManagerWanted()
{
    static bool wanted = false;
    return wanted;
}

class Environment : public ::testing::Environment
{
public:
    void SetUp() override
    {
        // Whatever hangs (a dialog waiting for someone) ends the program
        // instead of holding the run.
        std::signal(SIGALRM, [](int) {
            const char message[] = "desktop tests: still running after two minutes, stopped\n";
            const ssize_t written = write(theOriginalError, message, sizeof message - 1);
            static_cast<void>(written);
            _exit(2);
        });
        alarm(hangSeconds);
        catchErrors();
        std::string reason;
        if (!myDisplay.start(reason) || (windowManagerWanted() && !myDisplay.startWindowManager(reason)))
        {
            theProblem = reason;
            return;
        }
        try
        {
            theBackend = new Platform::WxBackend();
        }
        catch (const std::exception& anError)
        {
            theProblem = anError.what();
        }
    }

    void TearDown() override
    {
        delete theBackend;
        theBackend = nullptr;
        myDisplay.stop();
    }

    static std::string theProblem;
    static Platform::WxBackend* theBackend;
    static int theOriginalError;
    static int theCaught;
    static off_t theRead;

private:
    // Standard error goes to a file of ours; what is read from it is passed on.
    static void catchErrors()
    {
        char path[] = "/tmp/vorna-desktop-stderr-XXXXXX";
        const int file = mkstemp(path);
        if (file < 0)
        {
            return;
        }
        unlink(path);
        std::fflush(stderr);
        theOriginalError = fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0);
        dup2(file, STDERR_FILENO);
        theCaught = file;
    }

    Platform::VirtualDisplay myDisplay;
};

std::string Environment::theProblem;
Platform::WxBackend* Environment::theBackend = nullptr;
int Environment::theOriginalError = STDERR_FILENO;
int Environment::theCaught = -1;
off_t Environment::theRead = 0;
::testing::Environment* const theEnvironment = ::testing::AddGlobalTestEnvironment(new Environment());
}

namespace DesktopSession
{
bool requestWindowManager()
{
    windowManagerWanted() = true;
    return true;
}

Platform::WxBackend* backend()
{
    return Environment::theBackend;
}

const std::string& problem()
{
    return Environment::theProblem;
}

std::vector<std::string> takeToolkitComplaints()
{
    std::vector<std::string> complaints;
    if (Environment::theCaught < 0)
    {
        return complaints;
    }
    std::fflush(stderr);
    std::string text;
    char buffer[4096];
    ssize_t count = 0;
    while ((count = pread(Environment::theCaught, buffer, sizeof buffer, Environment::theRead)) > 0)
    {
        text.append(buffer, static_cast<std::size_t>(count));
        Environment::theRead += count;
    }
    if (!text.empty())
    {
        const ssize_t written = write(Environment::theOriginalError, text.data(), text.size());
        static_cast<void>(written);
    }
    std::size_t start = 0;
    while (start < text.size())
    {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string line = text.substr(start, end - start);
        for (const char* mark : complaintMarks)
        {
            if (line.find(mark) != std::string::npos)
            {
                complaints.push_back(line);
                break;
            }
        }
        start = end + 1;
    }
    return complaints;
}

bool saveScreenshot(const std::string& aName, const Platform::Window& aWindow)
{
    if (backend() == nullptr)
    {
        return false;
    }
    mkdir(VORNA_SCREENSHOT_DIR, 0755);
    // The toolkit draws on the display's frame clock: give it time to show
    // what was just laid out before the screen is read.
    for (int pass = 0; pass < 10; ++pass)
    {
        backend()->settle(30);
        usleep(20000);
    }
    return backend()->saveScreenshot(std::string(VORNA_SCREENSHOT_DIR) + "/" + aName + ".png", aWindow);
}

void settle(unsigned aMilliseconds)
{
    if (backend() != nullptr)
    {
        backend()->settle(aMilliseconds);
    }
}
}
