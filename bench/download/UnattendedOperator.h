#pragma once

#include "Pellora/Engine/UserInterfaceFactory.h"

// An operator who is not there: every question is answered Yes, texts and
// progress go nowhere, Stop is never pressed.
class UnattendedOperator : public UserInterfaceFactory
{
public:
    std::unique_ptr<UserInterface::CancelCheckerImplementation> newCancelChecker() override;
    std::unique_ptr<UserInterface::QuestionImplementation> newQuestion() override;
    std::unique_ptr<UserInterface::TextDisplayImplementation> newTextDisplay(TextField aField) override;
    std::unique_ptr<UserInterface::MessageImplementation> newMessage() override;
    std::unique_ptr<UserInterface::ProgressDisplayImplementation> newProgressDisplay() override;
};
