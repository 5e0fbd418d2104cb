#pragma once

#include <string>

namespace Platform
{
// True when aPath, its links followed, is a regular file: the one kind that is
// read without waiting for ever (a FIFO with no writer) or never ending (a
// device, a folder).
bool isRegularFile(const std::string& aPath);
}
