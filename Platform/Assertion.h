#pragma once

// Checks that guard against programming errors (a null argument, a broken
// invariant). A failed check names the condition as written, with the source
// file and line, and ends the program: such a state is never recoverable.
//
//     VORNA_ASSERT(aSubject != NULL);

namespace Platform
{
[[noreturn]] void assertionFailed(const char* aCondition, const char* aFile, int aLine);
}

#define VORNA_ASSERT(condition) \
    ((condition) ? static_cast<void>(0) : ::Platform::assertionFailed(#condition, __FILE__, __LINE__))
