#include "tests/support/TemporaryFolder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <vector>

TemporaryFolder::TemporaryFolder()
{
    const std::string pattern = (std::filesystem::temp_directory_path() / "vorna-test-XXXXXX").string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    if (::mkdtemp(name.data()) == nullptr)
    {
        throw std::runtime_error("cannot make a temporary folder");
    }
    myPath = name.data();
}

TemporaryFolder::~TemporaryFolder()
{
    std::error_code error;
    std::filesystem::remove_all(myPath, error);
}

std::string TemporaryFolder::write(const std::string& aName, const std::string& aContent) const
{
    const std::string path = pathOf(aName);
    std::ofstream file(path, std::ios::out | std::ios::binary | std::ios::trunc);
    file.write(aContent.data(), static_cast<std::streamsize>(aContent.size()));
    if (!file)
    {
        throw std::runtime_error("cannot write " + path);
    }
    return path;
}

std::string TemporaryFolder::pathOf(const std::string& aName) const
{
    return myPath + "/" + aName;
}
