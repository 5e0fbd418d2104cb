#pragma once

#include "Pellora/Engine/CancelCheckerImplementation.h"

namespace Win32Implementation
{
// Keeps the window live between the steps of a run and turns Stop and the
// closing of the program into the exceptions that end the run.
class Win32CancelChecker : public UserInterface::CancelCheckerImplementation
{
public:
    // aRunning is the view's running flag (not owned); Stop clears it.
    explicit Win32CancelChecker(const unsigned char* aRunning);

    // CancelException once Stop was pressed; else pumps the messages.
    void check() override;
    // Handles only the messages that are waiting.
    void checkPending() override;

    // Handles every waiting message, then runs idle processing until it asks
    // for no more. When the quit request comes, it is posted again for the
    // program's own loop and ExitException ends the run.
    static void pumpMessages();

private:
    // Handles every waiting message; ExitException when the program quits.
    static void pumpWaitingMessages();

    const unsigned char* myRunning;
};
}
