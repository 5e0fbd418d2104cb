// The settings file: any file read, one value written into it and read
// back. The value written reads back, and every line of the file that the
// write does not change is still there, in its order.

#include "tests/fuzz/FuzzInput.h"
#include "tests/fuzz/FuzzTarget.h"
#include "tests/fuzz/ScratchFolder.h"

#include "Platform/ProfileStore.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace
{
std::string readFile(const std::string& aPath)
{
    std::ifstream file(aPath, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

std::vector<std::string> lines(const std::string& aText)
{
    std::vector<std::string> result;
    std::istringstream stream(aText);
    for (std::string line; std::getline(stream, line);)
    {
        result.push_back(line);
    }
    return result;
}

// anAfter is aBefore with at most one line replaced or new lines put in at
// one place: the entry, or a blank line, a section header and the entry.
bool keptButOne(const std::vector<std::string>& aBefore, const std::vector<std::string>& anAfter)
{
    const std::size_t longestNew = 3;
    std::size_t same = 0;
    while (same < aBefore.size() && same < anAfter.size() && aBefore[same] == anAfter[same])
    {
        ++same;
    }
    std::size_t sameAtEnd = 0;
    while (sameAtEnd < aBefore.size() - same && sameAtEnd < anAfter.size() - same &&
           aBefore[aBefore.size() - 1 - sameAtEnd] == anAfter[anAfter.size() - 1 - sameAtEnd])
    {
        ++sameAtEnd;
    }
    return aBefore.size() - same - sameAtEnd <= 1 && anAfter.size() - same - sameAtEnd <= longestNew;
}
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* aData, std::size_t aSize)
{
    static const bool theHome = ::setenv("XDG_CONFIG_HOME", scratchFolder().c_str(), 1) == 0;
    FUZZ_CHECK(theHome);

    FuzzInput input(aData, aSize);
    const std::string section = input.text();
    const std::string entry = input.text();
    const std::string value = input.text();
    const std::uint8_t how = input.byte();
    const std::string before = input.rest();

    Platform::ProfileStore store("Fuzz");
    std::filesystem::create_directories(std::filesystem::path(store.filePath()).parent_path());
    {
        std::ofstream file(store.filePath(), std::ios::binary | std::ios::trunc);
        file.write(before.data(), static_cast<std::streamsize>(before.size()));
    }

    store.getString(section, entry, "default");
    store.getInt(section, entry, 0);

    bool written = false;
    if ((how & 1) != 0)
    {
        const int number = static_cast<int>(std::strtol(value.c_str(), nullptr, 0));
        written = store.writeInt(section, entry, number);
        FUZZ_CHECK(!written || store.getInt(section, entry, number ^ 1) == number);
    }
    else
    {
        written = store.writeString(section, entry, value);
        FUZZ_CHECK(!written || store.getString(section, entry, value + "?") == value);
    }
    const std::string after = readFile(store.filePath());
    FUZZ_CHECK(written ? keptButOne(lines(before), lines(after)) : after == before);
    return 0;
}
