#pragma once

#include "Pellora/Engine/QuestionImplementation.h"

namespace Win32Implementation
{
// Asks the operator in a Yes/No message box with the question icon.
class Win32Question : public UserInterface::QuestionImplementation
{
public:
    bool ask(const char* aQuestion) override;
};
}
