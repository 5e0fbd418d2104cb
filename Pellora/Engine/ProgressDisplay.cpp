#include "Pellora/Engine/ProgressDisplay.h"

#include "Platform/Assertion.h"

#include <utility>

namespace UserInterface
{
ProgressDisplay::ProgressDisplay(std::unique_ptr<ProgressDisplayImplementation> anImplementation)
{
    VORNA_ASSERT(anImplementation != NULL);
    myImplementation = std::move(anImplementation);
}

void ProgressDisplay::set(float aFraction)
{
    myImplementation->set(aFraction);
}
}
