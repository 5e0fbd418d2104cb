#include "tests/support/VirtualDisplay.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <algorithm>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <dirent.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace Platform
{
namespace
{
std::string findInPath(const std::string& aProgram)
{
    const char* path = std::getenv("PATH");
    std::string folders = path != nullptr ? path : "/usr/bin:/bin";
    std::size_t start = 0;
    while (start <= folders.size())
    {
        const std::size_t end = std::min(folders.find(':', start), folders.size());
        const std::string candidate = folders.substr(start, end - start) + "/" + aProgram;
        if (access(candidate.c_str(), X_OK) == 0)
        {
            return candidate;
        }
        start = end + 1;
    }
    return std::string();
}

// In a child just forked for a server: it ends with the test program, however
// that ends, and holds none of the test's files open (a test runner waits
// for its output to close) but aKept. Standard input, output and error stay.
void leaveWithTheTest(int aKept = -1)
{
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    DIR* open = opendir("/proc/self/fd");
    if (open == nullptr)
    {
        return;
    }
    while (const dirent* entry = readdir(open))
    {
        const int file = std::atoi(entry->d_name);
        if (file > STDERR_FILENO && file != aKept && file != dirfd(open))
        {
            const int flags = fcntl(file, F_GETFD);
            if (flags >= 0)
            {
                fcntl(file, F_SETFD, flags | FD_CLOEXEC);
            }
        }
    }
    closedir(open);
}

bool isTaken(int aNumber)
{
    struct stat info;
    const std::string lock = "/tmp/.X" + std::to_string(aNumber) + "-lock";
    const std::string socket = "/tmp/.X11-unix/X" + std::to_string(aNumber);
    return stat(lock.c_str(), &info) == 0 || stat(socket.c_str(), &info) == 0;
}

// A window manager announces itself by a property on the root window.
bool isManaged(const std::string& aDisplay)
{
    Display* display = XOpenDisplay(aDisplay.c_str());
    if (display == nullptr)
    {
        return false;
    }
    const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", True);
    bool managed = false;
    if (check != None)
    {
        Atom type = None;
        int format = 0;
        unsigned long count = 0;
        unsigned long after = 0;
        unsigned char* data = nullptr;
        if (XGetWindowProperty(display, DefaultRootWindow(display), check, 0, 1, False, XA_WINDOW, &type, &format,
                               &count, &after, &data) == Success)
        {
            managed = type == XA_WINDOW && count == 1;
        }
        if (data != nullptr)
        {
            XFree(data);
        }
    }
    XCloseDisplay(display);
    return managed;
}

void stopProcess(pid_t& aProcess)
{
    if (aProcess <= 0)
    {
        return;
    }
    kill(aProcess, SIGTERM);
    int status = 0;
    // Bounded: a process that will not stop is killed.
    for (int wait = 0; wait < 200; ++wait)
    {
        if (waitpid(aProcess, &status, WNOHANG) == aProcess)
        {
            aProcess = -1;
            return;
        }
        usleep(10000);
    }
    kill(aProcess, SIGKILL);
    waitpid(aProcess, &status, 0);
    aProcess = -1;
}
}

VirtualDisplay::~VirtualDisplay()
{
    stop();
}

bool VirtualDisplay::start(std::string& aReason)
{
    const std::string server = findInPath("Xvfb");
    if (server.empty())
    {
        aReason = "Xvfb is not installed: the drawing backend's tests need it (scripts/bootstrap installs it)";
        return false;
    }
    // Several test programs may start servers at once: a number another one
    // took between the look and the start makes this server fail, and the
    // next number is tried.
    int number = 90 + static_cast<int>(getpid() % 400);
    // A test of small screens names its screen's size (as "1024x600x24").
    const char* wanted = std::getenv("VORNA_TEST_SCREEN");
    const std::string screen = wanted != nullptr && *wanted != '\0' ? wanted : "1280x1024x24";
    for (int attempt = 0; attempt < 20; ++attempt, ++number)
    {
        if (isTaken(number))
        {
            continue;
        }
        int ready[2];
        if (pipe(ready) != 0)
        {
            aReason = "no pipe for Xvfb";
            return false;
        }
        const pid_t child = fork();
        if (child < 0)
        {
            close(ready[0]);
            close(ready[1]);
            aReason = "Xvfb could not be started";
            return false;
        }
        if (child == 0)
        {
            close(ready[0]);
            leaveWithTheTest(ready[1]);
            const int quiet = open("/dev/null", O_WRONLY);
            if (quiet >= 0)
            {
                dup2(quiet, STDOUT_FILENO);
                dup2(quiet, STDERR_FILENO);
            }
            const std::string display = ":" + std::to_string(number);
            const std::string readyFd = std::to_string(ready[1]);
            execl(server.c_str(), "Xvfb", display.c_str(), "-screen", "0", screen.c_str(), "-nolisten", "tcp",
                  "-displayfd", readyFd.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        close(ready[1]);
        // Xvfb writes its display number once it takes clients.
        std::string answer;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        bool ended = false;
        while (answer.find('\n') == std::string::npos && !ended)
        {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now()).count();
            if (left <= 0)
            {
                break;
            }
            pollfd wait = {ready[0], POLLIN, 0};
            if (poll(&wait, 1, static_cast<int>(left)) <= 0)
            {
                continue;
            }
            char buffer[32];
            const ssize_t count = read(ready[0], buffer, sizeof buffer);
            if (count <= 0)
            {
                ended = true;
            }
            else
            {
                answer.append(buffer, static_cast<std::size_t>(count));
            }
        }
        close(ready[0]);
        if (answer.find('\n') != std::string::npos)
        {
            myServer = child;
            myNumber = number;
            setenv("DISPLAY", (":" + std::to_string(number)).c_str(), 1);
            return true;
        }
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        if (!ended)
        {
            aReason = "Xvfb did not start within ten seconds";
            return false;
        }
    }
    aReason = "Xvfb found no free display number";
    return false;
}

bool VirtualDisplay::startWindowManager(std::string& aReason)
{
    if (myServer <= 0)
    {
        aReason = "no server for the window manager";
        return false;
    }
    const std::string manager = findInPath("openbox");
    if (manager.empty())
    {
        aReason = "openbox is not installed: the tests of real input need it (scripts/bootstrap installs it)";
        return false;
    }
    const std::string display = ":" + std::to_string(myNumber);
    // On a loaded machine the manager sometimes gives up at once: try again,
    // and say what it said when it never stays.
    constexpr int attempts = 3;
    for (int attempt = 0; attempt < attempts; ++attempt)
    {
        char said[] = "/tmp/vorna-openbox-XXXXXX";
        const int log = mkstemp(said);
        if (log >= 0)
        {
            unlink(said);
        }
        const pid_t child = fork();
        if (child < 0)
        {
            if (log >= 0)
            {
                close(log);
            }
            aReason = "openbox could not be started";
            return false;
        }
        if (child == 0)
        {
            leaveWithTheTest(log);
            const int quiet = open("/dev/null", O_WRONLY);
            if (quiet >= 0)
            {
                dup2(quiet, STDOUT_FILENO);
            }
            if (log >= 0)
            {
                dup2(log, STDERR_FILENO);
            }
            setenv("DISPLAY", display.c_str(), 1);
            execl(manager.c_str(), "openbox", "--sm-disable", static_cast<char*>(nullptr));
            _exit(127);
        }
        myManager = child;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        bool ended = false;
        while (!ended && std::chrono::steady_clock::now() < deadline)
        {
            if (isManaged(display))
            {
                if (log >= 0)
                {
                    close(log);
                }
                return true;
            }
            int status = 0;
            if (waitpid(myManager, &status, WNOHANG) == myManager)
            {
                myManager = -1;
                ended = true;
                aReason = "openbox ended at once (status " + std::to_string(status) + ")";
                if (log >= 0)
                {
                    char text[512] = {};
                    const ssize_t count = pread(log, text, sizeof text - 1, 0);
                    if (count > 0)
                    {
                        aReason += ": " + std::string(text, static_cast<std::size_t>(count));
                    }
                }
            }
            else
            {
                usleep(20000);
            }
        }
        if (log >= 0)
        {
            close(log);
        }
        if (!ended)
        {
            aReason = "openbox did not take the display within ten seconds";
            return false;
        }
    }
    return false;
}

void VirtualDisplay::stop()
{
    stopProcess(myManager);
    stopProcess(myServer);
}
}
