#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace Platform
{
// The settings of one program: sections of named integer and text values, as
// the programs name them ("Settings", "Ports"), kept in an INI-style text file
// $XDG_CONFIG_HOME/Vorna/<Program>.ini (XDG_CONFIG_HOME defaults to ~/.config):
//
//     [Settings]
//     device address=33408
//
//     ProfileStore store("Tessiva");
//     int address = store.getInt("Settings", "device address", 0x8280);
//     store.writeInt("Settings", "device address", address);
//
// Every call reads the file afresh, so stores of one program always agree. A
// missing or unreadable file reads as empty (every get gives its default) and
// a malformed line is passed over. A write replaces the file whole, through a
// temporary file in the same folder that is renamed over it, so a crash never
// leaves half a file; the lines it does not change, comments and unreadable
// lines included, stay as they were. Each write reads and replaces the file
// under an advisory lock, so two programs writing at once lose nothing, and a settings file that is a
// symbolic link stays one (the file it leads to is rewritten). Section and entry names match without
// regard to letter case, as the registry's do.
class ProfileStore
{
public:
    // aProgram names the file ("Tessiva", "Pellora"); the environment is read here.
    explicit ProfileStore(const std::string& aProgram);

    const std::string& filePath() const { return myPath; }

    // A value that is not a whole decimal (or 0x hexadecimal) int gives the default.
    int getInt(const std::string& aSection, const std::string& anEntry, int aDefault) const;
    std::string getString(const std::string& aSection, const std::string& anEntry, const std::string& aDefault) const;

    // False when the value could not be stored; the file is then as it was.
    // A file that exists but cannot be read is never overwritten.
    [[nodiscard]] bool writeInt(const std::string& aSection, const std::string& anEntry, int aValue);
    [[nodiscard]] bool writeString(const std::string& aSection, const std::string& anEntry, const std::string& aValue);
    // Several entries of one section in one write: another program reads all of them or none.
    typedef std::vector<std::pair<std::string, std::string>> Entries;
    [[nodiscard]] bool writeStrings(const std::string& aSection, const Entries& someEntries);

    struct Change
    {
        std::string section;
        std::string entry;
        std::string value;
    };
    typedef std::vector<Change> Changes;
    // Entries of any sections in one write.
    [[nodiscard]] bool write(const Changes& someChanges);
    // A read-modify-write under the lock every writer of the file holds:
    // aChanges reads what it needs through this store (the file as it is
    // now, no other write between) and gives the entries to write.
    [[nodiscard]] bool update(const std::function<Changes()>& aChanges);

    // Why the last write failed: an errno value, -1 when the system gave
    // none (the file is a FIFO), 0 after a write that succeeded.
    int lastError() const { return myError; }

private:
    bool failed(int anError);

    std::string myPath;
    int myError = 0;
};
}
