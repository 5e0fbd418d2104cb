#include "Pellora/Engine/CancelChecker.h"

#include "Platform/Assertion.h"

namespace UserInterface
{
CancelChecker::CancelChecker(CancelCheckerImplementation* anImplementation)
    : myImplementation(anImplementation)
{
    VORNA_ASSERT(anImplementation != NULL);
}

bool CancelChecker::check()
{
    return myImplementation->check();
}
}
