#pragma once

#include "Pellora/Engine/TextDisplayImplementation.h"

#include <memory>

namespace UserInterface
{
// Owns one text-field implementation for the length of a statement.
class TextDisplay
{
public:
    // Takes ownership.
    explicit TextDisplay(TextDisplayImplementation* anImplementation);

    void tell(const char* aStatement);

private:
    std::unique_ptr<TextDisplayImplementation> myImplementation;
};
}
