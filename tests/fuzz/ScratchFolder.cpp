#include "tests/fuzz/ScratchFolder.h"

#include "Platform/Assertion.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

namespace
{
class Folder
{
public:
    Folder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "vorna-fuzz-XXXXXX").string();
        std::vector<char> name(pattern.begin(), pattern.end());
        name.push_back('\0');
        VORNA_ASSERT(::mkdtemp(name.data()) != nullptr);
        myPath = name.data();
    }
    ~Folder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(myPath, ignored);
    }
    std::string myPath;
};
}

const std::string& scratchFolder()
{
    static const Folder theFolder;
    return theFolder.myPath;
}

std::string writeScratchFile(const std::string& aName, const std::string& aContent)
{
    const std::string path = scratchFolder() + "/" + aName;
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(aContent.data(), static_cast<std::streamsize>(aContent.size()));
    file.close();
    VORNA_ASSERT(file.good());
    return path;
}
