#include "PortProfile.h"

#include "Platform/ProfileStore.h"
#include "Platform/SerialLine.h"

#include <cstdlib>
#include <stdexcept>

#include <ftw.h>
#include <unistd.h>

namespace
{
int removeEntry(const char* aPath, const struct stat*, int, struct FTW*)
{
    return ::remove(aPath);
}
}

PortProfile::PortProfile()
    : myHadPrevious(false)
{
    char folder[] = "/tmp/vorna-link-test-XXXXXX";
    if (::mkdtemp(folder) == NULL)
    {
        throw std::runtime_error("cannot make a profile folder");
    }
    myFolder = folder;
    const char* previous = std::getenv("XDG_CONFIG_HOME");
    myHadPrevious = previous != NULL;
    if (myHadPrevious)
    {
        myPrevious = previous;
    }
    ::setenv("XDG_CONFIG_HOME", folder, 1);
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
    ::nftw(myFolder.c_str(), removeEntry, 8, FTW_DEPTH | FTW_PHYS);
}

void PortProfile::map(unsigned aPortNumber, const std::string& aDevicePath)
{
    Platform::ProfileStore store(Platform::SerialLine::programName());
    if (!store.writeString("Ports", "COM" + std::to_string(aPortNumber), aDevicePath))
    {
        throw std::runtime_error("cannot write the port profile");
    }
}
