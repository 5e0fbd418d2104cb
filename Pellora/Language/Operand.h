#pragma once

#include "Pellora/Language/Node.h"

#include <string>

// One side of a comparison: a literal, or a text read from the unit when the
// operand runs.
class Operand : public Node
{
public:
    const std::string& text() const { return myText; }

protected:
    explicit Operand(const std::string& aText = std::string());

    std::string myText;
};
