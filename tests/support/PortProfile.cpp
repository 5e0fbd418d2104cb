#include "tests/support/PortProfile.h"

#include "Platform/ProfileStore.h"
#include "Platform/SerialLine.h"

#include <cstdlib>
#include <stdexcept>

PortProfile::PortProfile()
{
    const char* previous = std::getenv("XDG_CONFIG_HOME");
    myHadPrevious = previous != nullptr;
    if (myHadPrevious)
    {
        myPrevious = previous;
    }
    ::setenv("XDG_CONFIG_HOME", myFolder.path().c_str(), 1);
}

PortProfile::~PortProfile()
{
    if (myHadPrevious)
    {
        ::setenv("XDG_CONFIG_HOME", myPrevious.c_str(), 1);
    }
    else
    {
        ::unsetenv("XDG_CONFIG_HOME");
    }
}

void PortProfile::map(unsigned aPortNumber, const std::string& aDevicePath)
{
    Platform::ProfileStore store(Platform::SerialLine::programName());
    if (!store.writeString("Ports", "COM" + std::to_string(aPortNumber), aDevicePath))
    {
        throw std::runtime_error("cannot write the port profile");
    }
}
