#pragma once

#include "Platform/ProfileStore.h"

#include <string>
#include <vector>

namespace Platform
{
// The most recently used files, newest first, at most a fixed number, kept
// in the program's profile as the framework keeps it:
//
//     [Recent File List]
//     File1=/home/op/scripts/new.prx
//     File2=/home/op/scripts/old.prx
//
// Entries beyond the list's length are written empty, so a shorter list
// never leaves stale names behind. Every change is written at once.
class RecentFileList
{
public:
    static const char* const section;

    RecentFileList(const ProfileStore& aProfile, unsigned aSize);

    unsigned size() const { return mySize; }
    unsigned count() const { return static_cast<unsigned>(myFiles.size()); }
    const std::vector<std::string>& files() const { return myFiles; }
    // Empty for an index without an entry.
    std::string file(unsigned anIndex) const;
    // The menu text of an entry: "&1 /home/op/scripts/new.prx".
    std::string displayName(unsigned anIndex) const;

    // Reads the entries from the profile; empty ones are skipped.
    void read();
    // False when the profile could not be written.
    [[nodiscard]] bool write();
    // Puts a file at the top (made absolute), removing an older entry of it
    // and dropping the oldest beyond the size.
    void add(const std::string& aPath);
    void remove(unsigned anIndex);

private:
    ProfileStore myProfile;
    unsigned mySize;
    std::vector<std::string> myFiles;
};
}
