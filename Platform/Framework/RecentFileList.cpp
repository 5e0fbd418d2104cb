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

std::vector<std::string> RecentFileList::stored() const
{
    std::vector<std::string> files;
    for (unsigned index = 0; index < mySize; ++index)
    {
        const std::string path = myProfile.getString(section, entryName(index), std::string());
        if (!path.empty() && std::find(files.begin(), files.end(), path) == files.end())
        {
            files.push_back(path);
        }
    }
    return files;
}

void RecentFileList::read()
{
    myFiles = stored();
}

bool RecentFileList::write()
{
    std::vector<std::string> merged;
    const bool written = myProfile.update([this, &merged]() {
        merged = stored();
        for (const Change& change : myChanges)
        {
            apply(change, merged);
        }
        ProfileStore::Changes entries;
        for (unsigned index = 0; index < mySize; ++index)
        {
            entries.push_back({section, entryName(index), index < merged.size() ? merged[index] : std::string()});
        }
        return entries;
    });
    if (written)
    {
        myChanges.clear();
        myFiles = merged;
    }
    return written;
}

void RecentFileList::apply(const Change& aChange, std::vector<std::string>& someFiles) const
{
    someFiles.erase(std::remove(someFiles.begin(), someFiles.end(), aChange.path), someFiles.end());
    if (aChange.added)
    {
        someFiles.insert(someFiles.begin(), aChange.path);
    }
    if (someFiles.size() > mySize)
    {
        someFiles.resize(mySize);
    }
}

void RecentFileList::add(const std::string& aPath)
{
    if (aPath.empty())
    {
        return;
    }
    myChanges.push_back(Change{true, absolute(aPath)});
    apply(myChanges.back(), myFiles);
    // The list is written again on the way out, where a failure is told.
    static_cast<void>(write());
}

void RecentFileList::remove(unsigned anIndex)
{
    if (anIndex < myFiles.size())
    {
        myChanges.push_back(Change{false, myFiles[anIndex]});
        apply(myChanges.back(), myFiles);
        // The list is written again on the way out, where a failure is told.
        static_cast<void>(write());
    }
}
}
