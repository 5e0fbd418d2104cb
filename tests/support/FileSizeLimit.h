#pragma once

#include <csignal>
#include <sys/resource.h>

// Makes every file this process writes stop growing at aBytes for as long as
// it lives, as a full disk would: a write past the limit fails with EFBIG
// (the signal that would end the process is ignored meanwhile).
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t aBytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit myOld{};
    struct sigaction myOldAction{};
};
