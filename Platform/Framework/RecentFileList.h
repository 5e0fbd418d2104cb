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
// never leaves stale names behind. Every change is written at once, applied
// under the settings lock to the list as the file holds it then, so programs
// that share the file keep one another's files; a change that could not be
// written is applied again by the next write.
class RecentFileList
{
public:
    static const char* const section;

    RecentFileList(const ProfileStore& aProfile, unsigned aSize);

    unsigned size() const { return mySize; }
    // The store written to; its lastError tells why a write failed.
    const ProfileStore& profile() const { return myProfile; }
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
    struct Change
    {
        bool added; // else removed
        std::string path;
    };

    // Applies aChange to someFiles, newest first, at most the list's size.
    void apply(const Change& aChange, std::vector<std::string>& someFiles) const;
    std::vector<std::string> stored() const;

    ProfileStore myProfile;
    unsigned mySize;
    std::vector<std::string> myFiles;
    // Not written yet, oldest first.
    std::vector<Change> myChanges;
};
}
