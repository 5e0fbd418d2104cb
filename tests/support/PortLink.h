#pragma once

#include "tests/support/TemporaryFolder.h"

#include <string>

// A device path that is a link in a folder of its own, as a profile's "COMn"
// may name a plugged-in adapter: while a line has it open, it can be pointed
// at another device in one step, or removed as an unplugged adapter's is.
class PortLink
{
public:
    PortLink();
    PortLink(const PortLink&) = delete;
    PortLink& operator=(const PortLink&) = delete;

    const std::string& path() const { return myPath; }

    // Names aDevicePath from now on, replacing the link in one step as a
    // rename does; false when the link cannot be made.
    bool pointAt(const std::string& aDevicePath) const;
    // Names nothing any more.
    bool remove() const;

private:
    TemporaryFolder myFolder;
    std::string myPath;
};
