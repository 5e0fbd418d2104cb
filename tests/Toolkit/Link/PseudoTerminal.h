#pragma once

#include "Toolkit/Parameter/ByteString.h"

#include <string>

// A bare pseudo-terminal: the test holds the master side and the code under
// test opens the slave path as its serial port.
class PseudoTerminal
{
public:
    PseudoTerminal();
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    const std::string& slavePath() const { return mySlavePath; }

    void send(const ByteString& aBytes);
    // What arrives within aMilliseconds, up to aCount bytes.
    ByteString receive(std::size_t aCount, int aMilliseconds);
    void hangUp();

private:
    int myMaster;
    std::string mySlavePath;
};
