#include "Pellora/Engine/Question.h"

#include "Platform/Assertion.h"

namespace UserInterface
{
Question::Question(QuestionImplementation* anImplementation)
    : myImplementation(anImplementation)
{
    VORNA_ASSERT(anImplementation != NULL);
}

bool Question::ask(const char* aQuestion)
{
    VORNA_ASSERT(aQuestion != NULL);
    return myImplementation->ask(aQuestion);
}
}
