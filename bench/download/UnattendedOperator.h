#pragma once

#include "Pellora/Engine/UserInterfaceFactory.h"

// An operator who is not there: every question is answered Yes, texts and
// progress go nowhere, Stop is never pressed.
class UnattendedOperator : public UserInterfaceFactory
{
public:
    UserInterface::CancelCheckerImplementation* newCancelChecker() override;
    UserInterface::QuestionImplementation* newQuestion() override;
    UserInterface::TextDisplayImplementation* newTextDisplay(TextField aField) override;
    UserInterface::MessageImplementation* newMessage() override;
    UserInterface::ProgressDisplayImplementation* newProgressDisplay() override;
};
