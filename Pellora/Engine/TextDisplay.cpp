#include "Pellora/Engine/TextDisplay.h"

#include "Platform/Assertion.h"

#include <utility>

namespace UserInterface
{
TextDisplay::TextDisplay(std::unique_ptr<TextDisplayImplementation> anImplementation)
{
    VORNA_ASSERT(anImplementation != NULL);
    myImplementation = std::move(anImplementation);
}

void TextDisplay::tell(const char* aStatement)
{
    VORNA_ASSERT(aStatement != NULL);
    myImplementation->tell(aStatement);
}
}
