#pragma once

#include <string>

namespace Platform
{
// Catches what the toolkit writes to stderr (its warnings and criticals go
// there) in a file of its own while it lives, so that a test can fail on
// them; the text is passed on to the real stderr as well when it is read.
class ToolkitComplaints
{
public:
    ToolkitComplaints();
    // Puts stderr back.
    ~ToolkitComplaints();
    ToolkitComplaints(const ToolkitComplaints&) = delete;
    ToolkitComplaints& operator=(const ToolkitComplaints&) = delete;

    // The warning and critical lines written since the last call.
    std::string since();

private:
    int myOriginal = -1;
    int myCapture = -1;
    long myRead = 0;
};
}
