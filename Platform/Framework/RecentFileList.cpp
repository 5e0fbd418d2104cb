#include "Platform/Framework/RecentFileList.h"

#include "Platform/Assertion.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace Platform
{
namespace
{
std::string entryName(unsigned anIndex)
{
    return "File" + std::to_string(anIndex + 1);
}

std::string absolute(const std::string& aPath)
{
    std::error_code error;
    const std::filesystem::path path = std::filesystem::absolute(aPath, error);
    return error ? aPath : path.lexically_normal().string();
}
}

const char* const RecentFileList::section = "Recent File List";

RecentFileList::RecentFileList(const ProfileStore& aProfile, unsigned aSize) : myProfile(aProfile), mySize(aSize)
{
    VORNA_ASSERT(aSize > 0);
}

std::string RecentFileList::file(unsigned anIndex) const
{
    return anIndex < myFiles.size() ? myFiles[anIndex] : std::string();
}

std::string RecentFileList::displayName(unsigned anIndex) const
{
    if (anIndex >= myFiles.size())
    {
        return std::string();
    }
    return "&" + std::to_string(anIndex + 1) + " " + myFiles[anIndex];
}

void RecentFileList::read()
{
    myFiles.clear();
    for (unsigned index = 0; index < mySize; ++index)
    {
        const std::string path = myProfile.getString(section, entryName(index), std::string());
        if (!path.empty() && std::find(myFiles.begin(), myFiles.end(), path) == myFiles.end())
        {
            myFiles.push_back(path);
        }
    }
}

bool RecentFileList::write()
{
    bool written = true;
    for (unsigned index = 0; index < mySize; ++index)
    {
        written = myProfile.writeString(section, entryName(index), file(index)) && written;
    }
    return written;
}

void RecentFileList::add(const std::string& aPath)
{
    if (aPath.empty())
    {
        return;
    }
    const std::string path = absolute(aPath);
    myFiles.erase(std::remove(myFiles.begin(), myFiles.end(), path), myFiles.end());
    myFiles.insert(myFiles.begin(), path);
    if (myFiles.size() > mySize)
    {
        myFiles.resize(mySize);
    }
    // The list is written again on the way out, where a failure is told.
    static_cast<void>(write());
}

void RecentFileList::remove(unsigned anIndex)
{
    if (anIndex < myFiles.size())
    {
        myFiles.erase(myFiles.begin() + anIndex);
        // The list is written again on the way out, where a failure is told.
        static_cast<void>(write());
    }
}
}
