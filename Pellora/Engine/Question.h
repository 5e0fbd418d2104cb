#pragma once

#include "Pellora/Engine/QuestionImplementation.h"

#include <memory>

namespace UserInterface
{
// Owns one question implementation for the length of a statement.
class Question
{
public:
    // Takes ownership.
    explicit Question(QuestionImplementation* anImplementation);

    bool ask(const char* aQuestion);

private:
    std::unique_ptr<QuestionImplementation> myImplementation;
};
}
