#pragma once

namespace UserInterface
{
// The window's side of a yes/no question to the operator.
class QuestionImplementation
{
public:
    virtual ~QuestionImplementation() = default;
    // True iff the operator answers Yes.
    virtual bool ask(const char* aQuestion) = 0;
};
}
