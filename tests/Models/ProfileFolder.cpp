#include "ProfileFolder.h"

#include "Platform/ProfileStore.h"
#include "Platform/SerialLine.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

ProfileFolder::ProfileFolder()
    : myHadPrevious(false)
{
    char folder[] = "/tmp/vorna-models-test-XXXXXX";
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

ProfileFolder::~ProfileFolder()
{
    if (myHadPrevious)
    {
        ::setenv("XDG_CONFIG_HOME", myPrevious.c_str(), 1);
    }
    else
    {
        ::unsetenv("XDG_CONFIG_HOME");
    }
    std::error_code ignored;
    std::filesystem::remove_all(myFolder, ignored);
}

void ProfileFolder::mapPort(unsigned aPortNumber, const std::string& aDevicePath)
{
    Platform::ProfileStore store(Platform::SerialLine::programName());
    if (!store.writeString("Ports", "COM" + std::to_string(aPortNumber), aDevicePath))
    {
        throw std::runtime_error("cannot write the port profile");
    }
}
