// A program that the tests start, race and kill while it writes files.
//
//     file_writer replace <path>
//         writes each line of its input to a replacement of <path>, prints
//         "wrote" once the line has reached the temporary file, and at the
//         end of its input commits and prints "committed" or "failed";
//     file_writer killed-after-naming <path>
//         as replace, but dies by SIGKILL in the commit once the temporary
//         file has its name, before the rename;
//     file_writer settings <program> <prefix> <count>
//         writes the entries <prefix>0 .. <prefix><count - 1> of the section
//         "Race" of the program's settings, each to its number, and prints
//         "failures <n>";
//     file_writer group <program> <tag> <count>
//         writes the entries "a", "b" and "c" of the section "Group", all to
//         <tag>, in one write, <count> times, and prints "failures <n>";
//     file_writer count <program> <count>
//         adds one to the entry "n" of the section "Count", read and written
//         in one update, <count> times, and prints "failures <n>".
#include "Platform/FileReplacement.h"
#include "Platform/ProfileStore.h"

#include <csignal>
#include <iostream>
#include <string>

namespace
{
// Dies where a kill leaves a named temporary file beside the target.
class KilledAfterNaming : public Platform::FileCalls
{
public:
    int link(int aDescriptor, int aFolder, const std::string& aName) override
    {
        const int linked = FileCalls::link(aDescriptor, aFolder, aName);
        ::raise(SIGKILL);
        return linked;
    }
};

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

int count(const std::string& aProgram, int aCount)
{
    Platform::ProfileStore store(aProgram);
    int failures = 0;
    for (int i = 0; i < aCount; ++i)
    {
        const bool written = store.update([&store]() {
            const int next = store.getInt("Count", "n", 0) + 1;
            return Platform::ProfileStore::Changes{{"Count", "n", std::to_string(next)}};
        });
        if (!written)
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
    if (mode == "killed-after-naming" && argc == 3)
    {
        static KilledAfterNaming killed;
        Platform::FileCalls::use(&killed);
        return replace(argv[2]);
    }
    if (mode == "settings" && argc == 5)
    {
        return race(argv[2], argv[3], std::stoi(argv[4]));
    }
    if (mode == "count" && argc == 4)
    {
        return count(argv[2], std::stoi(argv[3]));
    }
    if (mode == "group" && argc == 5)
    {
        return group(argv[2], argv[3], std::stoi(argv[4]));
    }
    std::cerr << "usage: file_writer replace|killed-after-naming <path> | settings|group <program> <name> <count>" << std::endl;
    return 2;
}
