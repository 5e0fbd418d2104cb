// How long a script takes to be scanned and parsed, by shape and size: one
// huge line (refused at the line bound), and many lines of one length, from
// short ones to ones just within the bound. Prints its figures, asserts nothing.

#include "Pellora/Language/ParseContext.h"
#include "Pellora/Language/ParseError.h"
#include "Pellora/Language/ScriptParser.h"

#include <chrono>
#include <cstdio>
#include <memory>
#include <string>

namespace
{
using File = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

const std::size_t theMegabyte = 1024 * 1024;

// A temporary script of aLine repeated until it holds at least aSize bytes, after aHead.
File script(const std::string& aHead, const std::string& aLine, std::size_t aSize)
{
    File file(std::tmpfile(), &std::fclose);
    if (!file)
    {
        return file;
    }
    std::fwrite(aHead.data(), 1, aHead.size(), file.get());
    for (std::size_t written = aHead.size(); written < aSize; written += aLine.size())
    {
        std::fwrite(aLine.data(), 1, aLine.size(), file.get());
    }
    std::fflush(file.get());
    return file;
}

void measure(const char* aName, const File& aFile)
{
    if (!aFile)
    {
        std::printf("%-44s no temporary file\n", aName);
        return;
    }
    std::fseek(aFile.get(), 0, SEEK_END);
    const double megabytes = static_cast<double>(std::ftell(aFile.get())) / theMegabyte;
    std::rewind(aFile.get());
    std::string outcome = "parsed";
    const auto start = std::chrono::steady_clock::now();
    try
    {
        ScriptParser::parse(aFile.get());
    }
    catch (const ParseError& anError)
    {
        outcome = anError.what();
        outcome.pop_back();
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    std::printf("%-44s %8.1f MB %9.3f s  %s\n", aName, megabytes, elapsed.count(), outcome.c_str());
}
}

int main()
{
    const std::size_t bound = ParseContext::MaximumLineLength;
    measure("print of a 10 MB string on one line", script("print(\"", std::string(theMegabyte, 'x'), 10 * theMegabyte));
    measure("print of a 100 MB string on one line",
            script("print(\"", std::string(theMegabyte, 'x'), 100 * theMegabyte));
    measure("10 MB of short lines", script("reset;\n", "// note\n\t \n", 10 * theMegabyte));
    measure("10 MB of comment lines of 1 KiB", script("", "//" + std::string(1021, 'x') + "\n", 10 * theMegabyte));
    measure("100 MB of comment lines at the line bound",
            script("", "//" + std::string(bound - 2, 'x') + "\n", 100 * theMegabyte));
    measure("100 MB of blank lines at the line bound",
            script("", std::string(bound, ' ') + "\n", 100 * theMegabyte));
    return 0;
}
