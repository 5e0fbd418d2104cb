#include "Pellora/Engine/ProgressDisplay.h"

#include "Platform/Assertion.h"

namespace UserInterface
{
ProgressDisplay::ProgressDisplay(ProgressDisplayImplementation* anImplementation)
    : myImplementation(anImplementation)
{
    VORNA_ASSERT(anImplementation != NULL);
}

void ProgressDisplay::set(float aFraction)
{
    myImplementation->set(aFraction);
}
}
