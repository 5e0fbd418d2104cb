// A program that the tests start, race and kill while it writes files.
//
//     file_writer replace <path>
//         writes each line of its input to a replacement of <path>, prints
//         "wrote" once the line has reached the temporary file, and at the
//         end of its input commits and prints "committed" or "failed";
//     file_writer settings <program> <prefix> <count>
//         writes the entries <prefix>0 .. <prefix><count - 1> of the section
//         "Race" of the program's settings, each to its number, and prints
//         "failures <n>";
//     file_writer group <program> <tag> <count>
//         writes the entries "a", "b" and "c" of the section "Group", all to
//         <tag>, in one write, <count> times, and prints "failures <n>".
#include "Platform/FileReplacement.h"
#include "Platform/ProfileStore.h"

#include <iostream>
#include <string>

namespace
{
int replace(const std::string& aPath)
{
    Platform::FileReplacement file(aPath);
    if (!file.isOpen())
    {
        std::cout << "failed" << std::endl;
        return 1;
    }
    std::string line;
    while (std::getline(std::cin, line))
    {
        file.stream() << line << '\n';
        file.stream().flush();
        std::cout << (file.stream() ? "wrote" : "failed") << std::endl;
    }
    const bool committed = file.commit();
    std::cout << (committed ? "committed" : "failed") << std::endl;
    return committed ? 0 : 1;
}

int race(const std::string& aProgram, const std::string& aPrefix, int aCount)
{
    Platform::ProfileStore store(aProgram);
    int failures = 0;
    for (int i = 0; i < aCount; ++i)
    {
        if (!store.writeInt("Race", aPrefix + std::to_string(i), i))
        {
            ++failures;
        }
    }
    std::cout << "failures " << failures << std::endl;
    return failures == 0 ? 0 : 1;
}

int group(const std::string& aProgram, const std::string& aTag, int aCount)
{
    Platform::ProfileStore store(aProgram);
    int failures = 0;
    for (int i = 0; i < aCount; ++i)
    {
        if (!store.writeStrings("Group", {{"a", aTag}, {"b", aTag}, {"c", aTag}}))
        {
            ++failures;
        }
    }
    std::cout << "failures " << failures << std::endl;
    return failures == 0 ? 0 : 1;
}
}

int main(int argc, char** argv)
{
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "replace" && argc == 3)
    {
        return replace(argv[2]);
    }
    if (mode == "settings" && argc == 5)
    {
        return race(argv[2], argv[3], std::stoi(argv[4]));
    }
    if (mode == "group" && argc == 5)
    {
        return group(argv[2], argv[3], std::stoi(argv[4]));
    }
    std::cerr << "usage: file_writer replace <path> | settings|group <program> <name> <count>" << std::endl;
    return 2;
}
