#pragma once

#include "Platform/FileReplacement.h"

#include <cerrno>
#include <cstddef>

// While it lives, every write of a save fails as on a full disk.
class FullDisk : public Platform::FileCalls
{
public:
    FullDisk() { Platform::FileCalls::use(this); }
    ~FullDisk() override { Platform::FileCalls::use(nullptr); }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

    ssize_t write(int, const void*, std::size_t) override
    {
        errno = ENOSPC;
        return -1;
    }
};
