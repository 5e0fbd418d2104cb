#pragma once

#include "tests/support/TemporaryFolder.h"

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include <sys/types.h>

// A Tessiva program given by its path (this build's or an older one), run as
// a process of its own on the virtual display of DISPLAY, with settings of its
// own; it is driven only from outside, as a person would (keys and clicks
// through the display's test extension), and watched only from outside (its
// CPU time, what it draws on the screen), so that any build of it can be
// measured the same way.
class TessivaProcess
{
public:
    // The ports "COMn" (from 1) open these devices; the Open Device dialog
    // starts at aBaudIndex in its list of rates.
    TessivaProcess(const std::string& aProgram, const std::vector<std::string>& somePorts, int aBaudIndex);
    // Ends the program (SIGTERM, then SIGKILL when it lingers).
    ~TessivaProcess();
    TessivaProcess(const TessivaProcess&) = delete;
    TessivaProcess& operator=(const TessivaProcess&) = delete;

    // Starts the program and opens the first device (on line on COM1) in the
    // dialog it begins with; false with aReason when it does not come up.
    bool start(std::string& aReason);
    // One more device through File > New Device: on aPort (from 1), or off
    // line for 0. False with aReason when the dialog does not come and go.
    bool openDevice(unsigned aPort, std::string& aReason);
    // CPU time of all its threads so far, in seconds.
    double cpuSeconds() const;

    // Clicks the field at anOffset from the main window's top left corner and
    // types into it: each key timed from its press to the first change drawn
    // on the screen in the field. Keys that drew nothing within a second
    // count in aMissed.
    std::vector<double> typingLatencies(int anOffsetX, int anOffsetY, int aKeys, int& aMissed);

private:
    struct Display;
    bool waitForWindow(const std::string& aTitle, bool aShown, std::chrono::milliseconds aTimeout);
    void writeSettings(unsigned aPort, bool anOffLine);

    std::string myProgram;
    std::vector<std::string> myPorts;
    int myBaudIndex;
    TemporaryFolder myFolder;
    pid_t myChild = -1;
    std::unique_ptr<Display> myDisplay;
};
