#pragma once

#include <memory>
#include <ostream>
#include <string>

namespace Platform
{
// Writes a file whole or not at all. The bytes go to a temporary file in the
// target's folder; commit flushes it, checks every write, syncs it and renames
// it over the target. A write that fails, throws or is killed part-way leaves
// the old file as it was, and a failed or abandoned one removes its temporary
// file. A target that is a symbolic link keeps the link: the file it leads to
// is replaced. A replaced file keeps its permission bits; a new file gets the
// ones the umask allows.
//
//     FileReplacement file(path);
//     if (!file.isOpen()) ...            // nothing was created
//     file.stream() << report;
//     if (!file.commit()) ...            // the target is as it was
class FileReplacement
{
public:
    explicit FileReplacement(const std::string& aPath);
    // Removes the temporary file unless commit has renamed it.
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    // False when the temporary file could not be made, or the target exists
    // and is no regular file (a folder, a FIFO, a device) or may not be written.
    bool isOpen() const { return myDescriptor >= 0; }
    // Writes to the temporary file; a failed write sets the stream's bad bit.
    std::ostream& stream() { return *myStream; }
    // True when the target now holds exactly what was written.
    bool commit();

    // The file that is replaced: the path given, its symbolic links followed.
    const std::string& targetPath() const { return myTarget; }

    // Removes the temporary files that killed writes of aPath left behind.
    // Only for a caller that holds a lock every writer of aPath holds while
    // its temporary file exists.
    static void removeLeftovers(const std::string& aPath);

private:
    void abandon();

    std::string myTarget;
    std::string myTemporary;
    int myDescriptor = -1;
    std::unique_ptr<std::streambuf> myBuffer;
    std::unique_ptr<std::ostream> myStream;
};

// aPath with its symbolic links followed as far as they lead; a link to a file
// that does not exist yet gives the path of that file.
std::string followLinks(const std::string& aPath);
}
