#include "tests/support/FileSizeLimit.h"

#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <string>

FileSizeLimit::FileSizeLimit(rlim_t aBytes)
{
    struct sigaction ignore{};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    sigaction(SIGXFSZ, &ignore, &myOldAction);
    getrlimit(RLIMIT_FSIZE, &myOld);
    rlimit limit = myOld;
    limit.rlim_cur = aBytes;
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
    {
        sigaction(SIGXFSZ, &myOldAction, nullptr);
        throw std::runtime_error("setrlimit: " + std::string(std::strerror(errno)));
    }
}

FileSizeLimit::~FileSizeLimit()
{
    setrlimit(RLIMIT_FSIZE, &myOld);
    sigaction(SIGXFSZ, &myOldAction, nullptr);
}
