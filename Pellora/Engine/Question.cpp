#include "Pellora/Engine/Question.h"

#include "Platform/Assertion.h"

#include <utility>

namespace UserInterface
{
Question::Question(std::unique_ptr<QuestionImplementation> anImplementation)
{
    VORNA_ASSERT(anImplementation != NULL);
    myImplementation = std::move(anImplementation);
}

bool Question::ask(const char* aQuestion)
{
    VORNA_ASSERT(aQuestion != NULL);
    return myImplementation->ask(aQuestion);
}
}
