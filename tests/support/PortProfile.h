#pragma once

#include "tests/support/TemporaryFolder.h"

#include <string>

// Points the programs' profiles at a temporary folder of its own while it
// lives, so that a test can name the device behind each "COMn" without
// touching the user's settings.
class PortProfile
{
public:
    PortProfile();
    ~PortProfile();
    PortProfile(const PortProfile&) = delete;
    PortProfile& operator=(const PortProfile&) = delete;

    const std::string& folder() const { return myFolder.path(); }

    // Makes port aPortNumber ("COMn") of the current program open aDevicePath.
    void map(unsigned aPortNumber, const std::string& aDevicePath);

private:
    TemporaryFolder myFolder;
    std::string myPrevious;
    bool myHadPrevious = false;
};
