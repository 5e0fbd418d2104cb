#pragma once

#include "Pellora/Language/Node.h"

#include <cstdio>
#include <memory>

// Reads a download script and builds its parse tree.
class ScriptParser
{
public:
    // Scans aFile from where it stands to its end, counting lines from 1. An
    // empty script gives a tree that does nothing. A script that does not parse
    // throws ParseError with its message and line, e.g. "parse error on line
    // 3\n", after everything built from it has been freed. aFile stays open.
    static std::unique_ptr<Node> parse(std::FILE* aFile);
};
