#include "Platform/FileReplacement.h"

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <filesystem>
#include <streambuf>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace Platform
{
namespace
{
// Enough for any chain of links a system resolves itself.
const int theLinkLimit = 40;
// mkstemp fills these in; the same number of letters marks a leftover.
const std::string theTemporarySuffix = "XXXXXX";

// An output buffer over a file descriptor that reports every failed write.
class DescriptorBuffer : public std::streambuf
{
public:
    explicit DescriptorBuffer(int aDescriptor) : myDescriptor(aDescriptor) { setp(myBytes, myBytes + sizeof myBytes); }

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
            const ssize_t written = ::write(myDescriptor, next, static_cast<std::size_t>(pptr() - next));
            if (written < 0 && errno == EINTR)
            {
                continue;
            }
            if (written <= 0)
            {
                return false;
            }
            next += written;
        }
        setp(myBytes, myBytes + sizeof myBytes);
        return true;
    }

    int myDescriptor;
    char myBytes[8192];
};

std::string temporaryPrefix(const std::filesystem::path& aTarget)
{
    return "." + aTarget.filename().string() + ".";
}

mode_t newFileMode()
{
    // The umask can only be read by setting it; it is put back at once.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
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

FileReplacement::FileReplacement(const std::string& aPath) : myTarget(followLinks(aPath))
{
    struct stat status;
    const bool exists = ::stat(myTarget.c_str(), &status) == 0;
    // A file that may not be written to is not replaced either, though its folder would allow it.
    if (exists && (!S_ISREG(status.st_mode) || ::access(myTarget.c_str(), W_OK) != 0))
    {
        return;
    }
    const std::filesystem::path target(myTarget);
    const std::string pattern = (target.parent_path() / (temporaryPrefix(target) + theTemporarySuffix)).string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    myDescriptor = ::mkstemp(name.data());
    if (myDescriptor < 0)
    {
        return;
    }
    myTemporary = name.data();
    ::fchmod(myDescriptor, exists ? (status.st_mode & 07777) : newFileMode());
    myBuffer = std::make_unique<DescriptorBuffer>(myDescriptor);
    myStream = std::make_unique<std::ostream>(myBuffer.get());
}

FileReplacement::~FileReplacement()
{
    abandon();
}

bool FileReplacement::commit()
{
    if (!isOpen())
    {
        return false;
    }
    myStream->flush();
    bool written = !myStream->fail() && ::fsync(myDescriptor) == 0;
    written = ::close(myDescriptor) == 0 && written;
    myDescriptor = -1;
    if (!written || ::rename(myTemporary.c_str(), myTarget.c_str()) != 0)
    {
        abandon();
        return false;
    }
    myTemporary.clear();
    // The rename itself lasts only once the folder is on the disk too.
    const std::string folder = std::filesystem::path(myTarget).parent_path().string();
    const int directory = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (directory >= 0)
    {
        ::fsync(directory);
        ::close(directory);
    }
    return true;
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
}

void FileReplacement::removeLeftovers(const std::string& aPath)
{
    const std::filesystem::path target(followLinks(aPath));
    const std::string prefix = temporaryPrefix(target);
    const std::size_t length = prefix.size() + theTemporarySuffix.size();
    std::error_code error;
    const std::filesystem::path folder = target.parent_path().empty() ? "." : target.parent_path();
    for (const std::filesystem::directory_entry& entry : std::filesystem::directory_iterator(folder, error))
    {
        const std::string name = entry.path().filename().string();
        if (name.size() == length && name.compare(0, prefix.size(), prefix) == 0 &&
            entry.is_regular_file(error) && !entry.is_symlink(error))
        {
            ::unlink(entry.path().c_str());
        }
    }
}
}
