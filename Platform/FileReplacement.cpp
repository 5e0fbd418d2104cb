#include "Platform/FileReplacement.h"

#include "Platform/RegularFile.h"

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <streambuf>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace Platform
{
namespace
{
// Enough for any chain of links a system resolves itself.
const int theLinkLimit = 40;
// A temporary file's name is the target's prefix, this marker and this many
// letters: no user names a file so, and a leftover is known by exactly that.
const char theTemporaryMarker[] = "~part~";
const std::size_t theTemporaryLetters = 6;
// The letters both mkstemp and randomLetters draw from.
const char theTemporaryAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
// Names taken by someone else are passed over; this many tries are plenty.
const int theNameTries = 100;

FileCalls theSystemCalls;
FileCalls* theCalls = &theSystemCalls;

// An output buffer over a file descriptor that reports every failed write and keeps its reason.
class DescriptorBuffer : public std::streambuf
{
public:
    DescriptorBuffer(int aDescriptor, int& anError) : myDescriptor(aDescriptor), myError(anError)
    {
        setp(myBytes, myBytes + sizeof myBytes);
    }

protected:
    int_type overflow(int_type aCharacter) override
    {
        if (!drain())
        {
            return traits_type::eof();
        }
        if (!traits_type::eq_int_type(aCharacter, traits_type::eof()))
        {
            *pptr() = traits_type::to_char_type(aCharacter);
            pbump(1);
        }
        return traits_type::not_eof(aCharacter);
    }

    int sync() override { return drain() ? 0 : -1; }

private:
    bool drain()
    {
        const char* next = pbase();
        while (next < pptr())
        {
            const ssize_t written =
                FileCalls::current().write(myDescriptor, next, static_cast<std::size_t>(pptr() - next));
            if (written < 0 && errno == EINTR)
            {
                continue;
            }
            if (written <= 0)
            {
                if (myError == 0)
                {
                    myError = written < 0 ? errno : ENOSPC;
                }
                return false;
            }
            next += written;
        }
        setp(myBytes, myBytes + sizeof myBytes);
        return true;
    }

    int myDescriptor;
    int& myError;
    char myBytes[8192];
};

std::string temporaryPrefix(const std::filesystem::path& aTarget)
{
    return "." + aTarget.filename().string() + "." + theTemporaryMarker;
}

bool isTemporaryName(const std::string& aName, const std::string& aPrefix)
{
    return aName.size() == aPrefix.size() + theTemporaryLetters && aName.compare(0, aPrefix.size(), aPrefix) == 0 &&
           aName.find_first_not_of(theTemporaryAlphabet, aPrefix.size()) == std::string::npos;
}

std::string randomLetters()
{
    static std::mt19937 generator{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, sizeof theTemporaryAlphabet - 2);
    std::string result;
    for (std::size_t i = 0; i < theTemporaryLetters; ++i)
    {
        result += theTemporaryAlphabet[pick(generator)];
    }
    return result;
}

mode_t newFileMode()
{
    // The umask can only be read by setting it; it is put back at once.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

std::string folderOf(const std::string& aPath)
{
    const std::string folder = std::filesystem::path(aPath).parent_path().string();
    return folder.empty() ? "." : folder;
}
}

ssize_t FileCalls::write(int aDescriptor, const void* someBytes, std::size_t aCount)
{
    return ::write(aDescriptor, someBytes, aCount);
}

int FileCalls::sync(int aDescriptor)
{
    return ::fsync(aDescriptor);
}

int FileCalls::link(int aDescriptor, int aFolder, const std::string& aName)
{
    // Naming an open unnamed file needs no privilege through its /proc entry.
    const std::string self = "/proc/self/fd/" + std::to_string(aDescriptor);
    return ::linkat(AT_FDCWD, self.c_str(), aFolder, aName.c_str(), AT_SYMLINK_FOLLOW);
}

int FileCalls::rename(int aFolder, const std::string& aFrom, const std::string& aTo)
{
    return ::renameat(aFolder, aFrom.c_str(), aFolder, aTo.c_str());
}

FileCalls& FileCalls::current()
{
    return *theCalls;
}

void FileCalls::use(FileCalls* aCalls)
{
    theCalls = aCalls != nullptr ? aCalls : &theSystemCalls;
}

FolderLock::FolderLock(const std::string& aFolder, Wait aWait)
{
    myDescriptor = ::open(aFolder.empty() ? "." : aFolder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (myDescriptor < 0)
    {
        myError = errno;
        return;
    }
    int locked = -1;
    do
    {
        locked = ::flock(myDescriptor, aWait == Wait::UntilFree ? LOCK_EX : LOCK_EX | LOCK_NB);
    } while (locked != 0 && errno == EINTR);
    if (locked != 0)
    {
        myError = errno;
        ::close(myDescriptor);
        myDescriptor = -1;
    }
}

FolderLock::~FolderLock()
{
    if (myDescriptor >= 0)
    {
        ::close(myDescriptor); // releases the lock
    }
}

std::string followLinks(const std::string& aPath)
{
    std::filesystem::path path(aPath);
    for (int step = 0; step < theLinkLimit; ++step)
    {
        struct stat status;
        if (::lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode))
        {
            break;
        }
        std::vector<char> target(PATH_MAX + 1);
        const ssize_t length = ::readlink(path.c_str(), target.data(), target.size() - 1);
        if (length <= 0)
        {
            break;
        }
        const std::filesystem::path next(std::string(target.data(), static_cast<std::size_t>(length)));
        path = next.is_absolute() ? next : (path.parent_path() / next).lexically_normal();
    }
    return path.string();
}

FileReplacement::FileReplacement(const std::string& aPath, const FolderLock* aHeldLock)
    : myTarget(followLinks(aPath)), myFolder(folderOf(myTarget)), myHeldLock(aHeldLock)
{
    struct stat status;
    const bool exists = ::stat(myTarget.c_str(), &status) == 0;
    if (exists && !isRegularFile(myTarget))
    {
        return;
    }
    // A file that may not be written to is not replaced either, though its folder would allow it.
    if (exists && ::access(myTarget.c_str(), W_OK) != 0)
    {
        fail(errno);
        return;
    }
    const mode_t mode = exists ? (status.st_mode & 07777) : newFileMode();
    if (!openUnnamed(mode) && !openNamed(mode))
    {
        return;
    }
    ::fchmod(myDescriptor, mode);
    myBuffer = std::make_unique<DescriptorBuffer>(myDescriptor, myError);
    myStream = std::make_unique<std::ostream>(myBuffer.get());
}

FileReplacement::~FileReplacement()
{
    abandon();
}

bool FileReplacement::openUnnamed(mode_t aMode)
{
    // An unnamed file leaves nothing behind when the process is killed while writing.
    // Readable too: where it cannot be named it is copied to a named one.
    myDescriptor = ::open(myFolder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, aMode);
    if (myDescriptor >= 0)
    {
        return true;
    }
    // Other errors say the folder takes no file at all; these say only that it takes no unnamed one.
    if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)
    {
        fail(errno);
    }
    return false;
}

bool FileReplacement::openNamed(mode_t aMode)
{
    if (myError != 0)
    {
        return false;
    }
    if (lockIfFree())
    {
        // Under the lock any named temporary file of the target is a killed writer's.
        removeLeftovers(myTarget);
    }
    const std::filesystem::path target(myTarget);
    const std::string pattern =
        (target.parent_path() / (temporaryPrefix(target) + std::string(theTemporaryLetters, 'X'))).string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    myDescriptor = ::mkstemp(name.data());
    if (myDescriptor < 0)
    {
        fail(errno);
        myOwnLock.reset();
        return false;
    }
    ::fchmod(myDescriptor, aMode);
    myTemporary = name.data();
    return true;
}

bool FileReplacement::commit()
{
    if (!isOpen())
    {
        return false;
    }
    myStream->flush();
    bool written = !myStream->fail();
    if (written && FileCalls::current().sync(myDescriptor) != 0)
    {
        fail(errno);
        written = false;
    }
    if (!written)
    {
        abandon();
        return false;
    }
    if (myTemporary.empty() && !name())
    {
        abandon();
        return false;
    }
    // Calls relative to the locked folder where there is one; else by whole paths.
    const FolderLock* lock = currentLock();
    const int folder = lock != nullptr ? lock->descriptor() : AT_FDCWD;
    const std::string temporary =
        lock != nullptr ? std::filesystem::path(myTemporary).filename().string() : myTemporary;
    const std::string target = lock != nullptr ? std::filesystem::path(myTarget).filename().string() : myTarget;
    const int closed = ::close(myDescriptor);
    myDescriptor = -1;
    if (closed != 0 || FileCalls::current().rename(folder, temporary, target) != 0)
    {
        fail(errno);
        abandon();
        return false;
    }
    myTemporary.clear();
    // The rename itself lasts only once the folder is on the disk too; a
    // folder that cannot be read cannot be synced either.
    if (lock != nullptr)
    {
        FileCalls::current().sync(lock->descriptor());
    }
    else
    {
        const int opened = ::open(myFolder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (opened >= 0)
        {
            FileCalls::current().sync(opened);
            ::close(opened);
        }
    }
    myOwnLock.reset();
    return true;
}

bool FileReplacement::lockIfFree()
{
    // The lock only lets this writer clear what killed ones left: a save
    // never waits for it, nor fails without it (a folder that cannot be
    // read, a file system without locks). A save of the same file that runs
    // meanwhile without it may lose its temporary to the holder's clearing:
    // its rename then fails and the file stays as it was.
    if (myHeldLock == nullptr && myOwnLock == nullptr)
    {
        myOwnLock = std::make_unique<FolderLock>(myFolder, FolderLock::Wait::NotAtAll);
        if (!myOwnLock->held())
        {
            myOwnLock.reset();
        }
    }
    return currentLock() != nullptr;
}

const FolderLock* FileReplacement::currentLock() const
{
    if (myHeldLock != nullptr && myHeldLock->held())
    {
        return myHeldLock;
    }
    return myOwnLock.get();
}

bool FileReplacement::name()
{
    if (lockIfFree())
    {
        // Under the lock any named temporary file of the target is a killed writer's.
        removeLeftovers(myTarget);
    }
    const FolderLock* lock = currentLock();
    const std::string prefix = temporaryPrefix(std::filesystem::path(myTarget));
    for (int attempt = 0; attempt < theNameTries; ++attempt)
    {
        const std::string candidate = prefix + randomLetters();
        const std::string path = (std::filesystem::path(myFolder) / candidate).string();
        if (FileCalls::current().link(myDescriptor, lock != nullptr ? lock->descriptor() : AT_FDCWD,
                                      lock != nullptr ? candidate : path) == 0)
        {
            myTemporary = path;
            return true;
        }
        if (errno != EEXIST)
        {
            // Without /proc, say, the file is named by copying it to a named one.
            return copyToNamed();
        }
    }
    fail(errno);
    return false;
}

bool FileReplacement::copyToNamed()
{
    const int unnamed = myDescriptor;
    myDescriptor = -1;
    struct stat status;
    if (::fstat(unnamed, &status) != 0 || !openNamed(status.st_mode & 07777))
    {
        ::close(unnamed);
        return false;
    }
    std::vector<char> bytes(65536);
    off_t offset = 0;
    bool copied = true;
    while (copied)
    {
        const ssize_t count = ::pread(unnamed, bytes.data(), bytes.size(), offset);
        if (count < 0 && errno == EINTR)
        {
            continue;
        }
        if (count < 0)
        {
            fail(errno);
            copied = false;
        }
        if (count <= 0)
        {
            break;
        }
        offset += count;
        for (ssize_t done = 0; done < count && copied;)
        {
            const ssize_t written =
                FileCalls::current().write(myDescriptor, bytes.data() + done, static_cast<std::size_t>(count - done));
            if (written < 0 && errno == EINTR)
            {
                continue;
            }
            if (written <= 0)
            {
                fail(written < 0 ? errno : ENOSPC);
                copied = false;
            }
            done += written > 0 ? written : 0;
        }
    }
    ::close(unnamed);
    if (copied && FileCalls::current().sync(myDescriptor) != 0)
    {
        fail(errno);
        copied = false;
    }
    return copied;
}

void FileReplacement::fail(int anError)
{
    if (myError == 0)
    {
        myError = anError;
    }
}

void FileReplacement::abandon()
{
    if (myDescriptor >= 0)
    {
        ::close(myDescriptor);
        myDescriptor = -1;
    }
    if (!myTemporary.empty())
    {
        ::unlink(myTemporary.c_str());
        myTemporary.clear();
    }
    myOwnLock.reset();
}

void FileReplacement::removeLeftovers(const std::string& aPath)
{
    const std::filesystem::path target(followLinks(aPath));
    const std::string prefix = temporaryPrefix(target);
    std::error_code error;
    for (const std::filesystem::directory_entry& entry :
         std::filesystem::directory_iterator(folderOf(target.string()), error))
    {
        const std::string name = entry.path().filename().string();
        if (isTemporaryName(name, prefix) && entry.is_regular_file(error) && !entry.is_symlink(error))
        {
            ::unlink(entry.path().c_str());
        }
    }
}
}
