#pragma once

#include "Pellora/Engine/UserInterfaceFactory.h"

#include <cstdint>

// The operator at the window during a fuzz run: answers the questions by the
// bits of a byte, presses Stop at a chosen cancel check (0: never) and checks
// that the progress bar is only ever set within 0..100 %.
class FuzzOperator : public UserInterfaceFactory
{
public:
    FuzzOperator(std::uint8_t someAnswers, unsigned aStopAtCheck)
        : myAnswers(someAnswers), myStopAt(aStopAtCheck)
    {
    }

    std::unique_ptr<UserInterface::CancelCheckerImplementation> newCancelChecker() override;
    std::unique_ptr<UserInterface::QuestionImplementation> newQuestion() override;
    std::unique_ptr<UserInterface::TextDisplayImplementation> newTextDisplay(TextField aField) override;
    std::unique_ptr<UserInterface::MessageImplementation> newMessage() override;
    std::unique_ptr<UserInterface::ProgressDisplayImplementation> newProgressDisplay() override;

    void check();
    bool ask();
    static void setProgress(float aFraction);

private:
    std::uint8_t myAnswers;
    unsigned myQuestions = 0;
    unsigned myStopAt;
    unsigned myChecks = 0;
};
