#pragma once

#include <string>

// Points the program's profile at a temporary folder of its own while it
// lives, so that tests can name the device behind each "COMn".
class PortProfile
{
public:
    PortProfile();
    ~PortProfile();
    PortProfile(const PortProfile&) = delete;
    PortProfile& operator=(const PortProfile&) = delete;

    // Makes port aPortNumber ("COMn") open aDevicePath.
    void map(unsigned aPortNumber, const std::string& aDevicePath);

private:
    std::string myFolder;
    std::string myPrevious;
    bool myHadPrevious;
};
