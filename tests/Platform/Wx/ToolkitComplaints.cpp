#include "tests/Platform/Wx/ToolkitComplaints.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <stdexcept>

#include <unistd.h>

namespace Platform
{
ToolkitComplaints::ToolkitComplaints()
{
    char name[] = "/tmp/vorna-stderr-XXXXXX";
    myCapture = mkstemp(name);
    if (myCapture < 0)
    {
        throw std::runtime_error("no file to catch stderr in");
    }
    unlink(name);
    std::fflush(stderr);
    myOriginal = dup(STDERR_FILENO);
    dup2(myCapture, STDERR_FILENO);
}

ToolkitComplaints::~ToolkitComplaints()
{
    since();
    std::fflush(stderr);
    dup2(myOriginal, STDERR_FILENO);
    close(myOriginal);
    close(myCapture);
}

std::string ToolkitComplaints::since()
{
    std::fflush(stderr);
    const off_t end = lseek(myCapture, 0, SEEK_END);
    std::string text;
    if (end > myRead)
    {
        text.resize(static_cast<std::size_t>(end - myRead));
        const ssize_t count = pread(myCapture, &text[0], text.size(), myRead);
        text.resize(count > 0 ? static_cast<std::size_t>(count) : 0);
        myRead += static_cast<long>(text.size());
        const ssize_t written = write(myOriginal, text.data(), text.size());
        static_cast<void>(written);
    }
    std::istringstream lines(text);
    std::string line;
    std::string complaints;
    while (std::getline(lines, line))
    {
        if (line.find("WARNING") != std::string::npos || line.find("CRITICAL") != std::string::npos ||
            line.find("Warning") != std::string::npos || line.find("assert") != std::string::npos)
        {
            complaints += line + "\n";
        }
    }
    return complaints;
}
}
