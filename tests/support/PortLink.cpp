#include "tests/support/PortLink.h"

#include <cstdio>

#include <unistd.h>

PortLink::PortLink() : myPath(myFolder.pathOf("port"))
{
}

bool PortLink::pointAt(const std::string& aDevicePath) const
{
    const std::string next = myPath + ".next";
    return ::symlink(aDevicePath.c_str(), next.c_str()) == 0 && std::rename(next.c_str(), myPath.c_str()) == 0;
}

bool PortLink::remove() const
{
    return ::unlink(myPath.c_str()) == 0;
}
