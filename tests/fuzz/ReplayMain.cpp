// Feeds stored inputs to a fuzz target in a build without libFuzzer: each
// argument is a file or a folder of files (the regression inputs), each
// played once. A failure ends the program as the target's checks and the
// sanitizers do; the input's path is printed first.

#include "tests/fuzz/FuzzTarget.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

int main(int aCount, char** someArguments)
{
    std::vector<std::filesystem::path> inputs;
    for (int i = 1; i < aCount; ++i)
    {
        const std::filesystem::path argument = std::filesystem::absolute(someArguments[i]);
        if (std::filesystem::is_directory(argument))
        {
            for (const auto& entry : std::filesystem::directory_iterator(argument))
            {
                if (entry.is_regular_file() && entry.path().filename().string()[0] != '.')
                {
                    inputs.push_back(entry.path());
                }
            }
        }
        else
        {
            inputs.push_back(argument);
        }
    }
    std::sort(inputs.begin(), inputs.end());
    for (const std::filesystem::path& path : inputs)
    {
        std::ifstream file(path, std::ios::binary);
        if (!file)
        {
            std::cerr << "cannot read " << path.string() << "\n";
            return 1;
        }
        const std::vector<char> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        std::cerr << "replaying " << path.string() << "\n";
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    }
    std::cout << inputs.size() << " inputs replayed\n";
    return 0;
}
