#pragma once

#include "Pellora/Language/Node.h"

#include <cstdio>
#include <memory>
#include <string>

// The state of one parse of one script, shared by the scanner and the grammar:
// the input, the line counter, the first error and the finished tree. A new
// one for every script, so no script sees what another left behind.
class ParseContext
{
public:
    // The longest STRING or REAL text that a token carries.
    static constexpr int MaximumTextLength = 255;
    // The longest line a script may hold, newline not counted. No statement
    // needs more, and the bound keeps every token small, so that scanning
    // stays in proportion to the script's size however the file is made.
    static constexpr int MaximumLineLength = 64 * 1024;

    explicit ParseContext(std::FILE* aFile);

    // Reads up to aSize bytes of the script into aBuffer with every "\r\n" as a
    // single "\n", as the script reads on the system it was written for.
    // Returns the count, 0 at the end, -1 when reading fails. A line longer
    // than MaximumLineLength ends the input there with a NUL byte, which no
    // token takes, so the parse fails on that line without reading on.
    int read(char* aBuffer, int aSize);

    int line() const { return myLine; }
    void countLine() { ++myLine; }

    // A fault of the scanner itself; it replaces the grammar's message.
    void setScannerFault(const std::string& aMessage);
    // Keeps the first error as "<message> on line <n>\n".
    void reportError(const std::string& aMessage);
    bool hasError() const { return !myError.empty(); }
    const std::string& error() const { return myError; }

    // Takes ownership.
    void setRoot(Node* aRoot);
    std::unique_ptr<Node> takeRoot();

private:
    // Applies the line bound to the aCount bytes just read; returns how many stay.
    int boundLines(char* aBuffer, int aCount);

    std::FILE* myFile;
    int myLine = 1;
    // Characters of the current line read so far, and whether one was too long.
    int myLineLength = 0;
    bool myLineTooLong = false;
    std::string myScannerFault;
    std::string myError;
    std::unique_ptr<Node> myRoot;
};
