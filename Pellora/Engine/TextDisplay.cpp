#include "Pellora/Engine/TextDisplay.h"

#include "Platform/Assertion.h"

namespace UserInterface
{
TextDisplay::TextDisplay(TextDisplayImplementation* anImplementation)
    : myImplementation(anImplementation)
{
    VORNA_ASSERT(anImplementation != NULL);
}

void TextDisplay::tell(const char* aStatement)
{
    VORNA_ASSERT(aStatement != NULL);
    myImplementation->tell(aStatement);
}
}
