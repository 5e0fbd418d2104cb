#pragma once

#include <string>
#include <sys/types.h>

namespace Platform
{
// An X server of the test's own (Xvfb) on a free display number, with DISPLAY
// set to it while it runs.
class VirtualDisplay
{
public:
    VirtualDisplay() = default;
    // Stops the server.
    ~VirtualDisplay();
    VirtualDisplay(const VirtualDisplay&) = delete;
    VirtualDisplay& operator=(const VirtualDisplay&) = delete;

    // Starts the server and waits (ten seconds at most) until it takes
    // clients; false with aReason when it could not.
    bool start(std::string& aReason);
    // Starts a window manager (openbox) on the server and waits (ten seconds
    // at most) until it manages windows, so that windows get the focus as on
    // a desktop; false with aReason when it could not.
    bool startWindowManager(std::string& aReason);
    void stop();
    int number() const { return myNumber; }

private:
    pid_t myServer = -1;
    pid_t myManager = -1;
    int myNumber = -1;
};
}
