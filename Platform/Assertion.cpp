#include "Platform/Assertion.h"

#include <cstdio>
#include <cstdlib>

namespace Platform
{
void assertionFailed(const char* aCondition, const char* aFile, int aLine)
{
    std::fprintf(stderr, "Assertion failed: %s, file %s, line %d\n", aCondition, aFile, aLine);
    std::fflush(stderr);
    std::abort();
}
}
