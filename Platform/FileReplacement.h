#pragma once

#include <memory>
#include <ostream>
#include <string>
#include <sys/types.h>

namespace Platform
{
// Holds an exclusive advisory lock on a folder for as long as it lives. A
// writer of a file that holds its folder's lock may remove the temporary files
// that killed writers left behind; settings writers take it to work one after
// the other. The lock is on the folder itself and leaves no lock file behind.
class FolderLock
{
public:
    enum class Wait
    {
        UntilFree,
        NotAtAll // not held when someone else holds it
    };
    // aFolder empty stands for the working folder.
    explicit FolderLock(const std::string& aFolder, Wait aWait = Wait::UntilFree);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    bool held() const { return myDescriptor >= 0; }
    // The open folder, for calls relative to it; -1 unless held.
    int descriptor() const { return myDescriptor; }
    // Why the lock could not be taken (an errno value); 0 when held.
    int error() const { return myError; }

private:
    int myDescriptor = -1;
    int myError = 0;
};

// The system calls through which a replacement writes, syncs and names its
// file. A test may put its own in place to watch them or make them fail.
class FileCalls
{
public:
    virtual ~FileCalls() = default;
    virtual ssize_t write(int aDescriptor, const void* someBytes, std::size_t aCount);
    // Syncs a file or a folder.
    virtual int sync(int aDescriptor);
    // Gives the unnamed file aDescriptor the name aName in the folder aFolder
    // (AT_FDCWD, with aName a path, where the folder is not held open).
    virtual int link(int aDescriptor, int aFolder, const std::string& aName);
    virtual int rename(int aFolder, const std::string& aFrom, const std::string& aTo);

    // The calls in use; aCalls nullptr puts the system's own back. Not owned.
    static FileCalls& current();
    static void use(FileCalls* aCalls);
};

// Writes a file whole or not at all. The bytes go to an unnamed temporary
// file in the target's folder (a named one where the file system has no
// unnamed ones); commit flushes it, checks every write, syncs it, names it
// (or copies it to a named one where it cannot be named) and renames it over
// the target, then syncs the folder. A write that fails, throws or is killed
// part-way leaves the old file as it was and no temporary file: a named one
// that a killed write left behind is removed by the next replacement of the
// same target that can have the folder's lock at once. A save never waits for
// that lock. A target that
// is a symbolic link keeps the link: the file it leads to is replaced. A
// replaced file keeps its permission bits; a new file gets the ones the umask
// allows.
//
//     FileReplacement file(path);
//     if (!file.isOpen()) ...            // nothing was created; error() says why
//     file.stream() << report;
//     if (!file.commit()) ...            // the target is as it was; error() says why
class FileReplacement
{
public:
    // aHeldLock is the lock of the target's folder when the caller holds it
    // already (a second one would wait for the first for ever).
    explicit FileReplacement(const std::string& aPath, const FolderLock* aHeldLock = nullptr);
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
    // The errno value of the first call that failed (ENOSPC for a full disk);
    // 0 when none did or the target is no regular file.
    int error() const { return myError; }

    // The file that is replaced: the path given, its symbolic links followed.
    const std::string& targetPath() const { return myTarget; }

    // Removes the temporary files that killed writes of aPath left behind.
    // Only for a caller that holds the lock of aPath's folder.
    static void removeLeftovers(const std::string& aPath);

private:
    bool openUnnamed(mode_t aMode);
    bool openNamed(mode_t aMode);
    bool lockIfFree();
    const FolderLock* currentLock() const;
    bool name();
    bool copyToNamed();
    void fail(int anError);
    void abandon();

    std::string myTarget;
    std::string myFolder;
    std::string myTemporary;
    const FolderLock* myHeldLock = nullptr;
    // Held, when it could be had at once, from the making of a named
    // temporary file until it is gone.
    std::unique_ptr<FolderLock> myOwnLock;
    int myDescriptor = -1;
    int myError = 0;
    std::unique_ptr<std::streambuf> myBuffer;
    std::unique_ptr<std::ostream> myStream;
};

// aPath with its symbolic links followed as far as they lead; a link to a file
// that does not exist yet gives the path of that file.
std::string followLinks(const std::string& aPath);
}
