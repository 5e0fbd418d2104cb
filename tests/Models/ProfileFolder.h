#pragma once

#include <string>

// Points the program's profile at a temporary folder while it lives, so that a
// test can name the device path behind a "COMn".
class ProfileFolder
{
public:
    ProfileFolder();
    ~ProfileFolder();
    ProfileFolder(const ProfileFolder&) = delete;
    ProfileFolder& operator=(const ProfileFolder&) = delete;

    void mapPort(unsigned aPortNumber, const std::string& aDevicePath);

private:
    std::string myFolder;
    std::string myPrevious;
    bool myHadPrevious;
};
