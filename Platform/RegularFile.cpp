#include "Platform/RegularFile.h"

#include <sys/stat.h>

namespace Platform
{
bool isRegularFile(const std::string& aPath)
{
    struct stat status;
    return ::stat(aPath.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}
}
