#include "Pellora/Engine/CancelChecker.h"

#include "Platform/Assertion.h"

#include <utility>

namespace UserInterface
{
CancelChecker::CancelChecker(std::unique_ptr<CancelCheckerImplementation> anImplementation)
{
    VORNA_ASSERT(anImplementation != NULL);
    myImplementation = std::move(anImplementation);
}

void CancelChecker::check()
{
    myImplementation->check();
}

void CancelChecker::checkPending()
{
    myImplementation->checkPending();
}
}
