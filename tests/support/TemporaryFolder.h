#pragma once

#include <string>

// A fresh folder for the files of one test, removed with everything in it.
class TemporaryFolder
{
public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::string& path() const { return myPath; }
    // Writes aContent byte for byte and returns the file's path.
    std::string write(const std::string& aName, const std::string& aContent) const;
    std::string pathOf(const std::string& aName) const;

private:
    std::string myPath;
};
