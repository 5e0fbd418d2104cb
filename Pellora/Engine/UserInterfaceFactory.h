#pragma once

#include "Pellora/Engine/CancelCheckerImplementation.h"
#include "Pellora/Engine/MessageImplementation.h"
#include "Pellora/Engine/ProgressDisplayImplementation.h"
#include "Pellora/Engine/QuestionImplementation.h"
#include "Pellora/Engine/TextDisplayImplementation.h"

#include <memory>

// How the interpreter reaches the window: every call returns a new object for
// the caller (the UserInterface bridges take it over). The program's view
// implements it; tests supply an operator of their own.
class UserInterfaceFactory
{
public:
    enum TextField
    {
        CurrentFileField = 0,
        MessagesField = 1
    };

    virtual ~UserInterfaceFactory() = default;

    virtual std::unique_ptr<UserInterface::CancelCheckerImplementation> newCancelChecker() = 0;
    virtual std::unique_ptr<UserInterface::QuestionImplementation> newQuestion() = 0;
    virtual std::unique_ptr<UserInterface::TextDisplayImplementation> newTextDisplay(TextField aField) = 0;
    virtual std::unique_ptr<UserInterface::MessageImplementation> newMessage() = 0;
    virtual std::unique_ptr<UserInterface::ProgressDisplayImplementation> newProgressDisplay() = 0;
};
