#pragma once

#include "Pellora/Engine/QuestionImplementation.h"

#include <memory>

namespace UserInterface
{
// Owns one question implementation for the length of a statement.
class Question
{
public:
    explicit Question(std::unique_ptr<QuestionImplementation> anImplementation);

    bool ask(const char* aQuestion);

private:
    std::unique_ptr<QuestionImplementation> myImplementation;
};
}
