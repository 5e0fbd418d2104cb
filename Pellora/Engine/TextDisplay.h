#pragma once

#include "Pellora/Engine/TextDisplayImplementation.h"

#include <memory>

namespace UserInterface
{
// Owns one text-field implementation for the length of a statement.
class TextDisplay
{
public:
    explicit TextDisplay(std::unique_ptr<TextDisplayImplementation> anImplementation);

    void tell(const char* aStatement);

private:
    std::unique_ptr<TextDisplayImplementation> myImplementation;
};
}
