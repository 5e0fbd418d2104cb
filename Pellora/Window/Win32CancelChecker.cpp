#include "Pellora/Window/Win32CancelChecker.h"

#include "Pellora/Engine/CancelException.h"
#include "Pellora/Engine/ExitException.h"
#include "Platform/Assertion.h"
#include "Platform/Framework/Application.h"
#include "Platform/Window/Backend.h"

namespace Win32Implementation
{
Win32CancelChecker::Win32CancelChecker(const unsigned char* aRunning) : myRunning(aRunning)
{
    VORNA_ASSERT(aRunning != NULL);
}

void Win32CancelChecker::check()
{
    if (*myRunning == 0)
    {
        throw CancelException();
    }
    pumpMessages();
}

void Win32CancelChecker::checkPending()
{
    if (Platform::Backend::current().hasPendingMessage())
    {
        pumpWaitingMessages();
    }
    if (*myRunning == 0)
    {
        throw CancelException();
    }
}

void Win32CancelChecker::pumpMessages()
{
    pumpWaitingMessages();
    Platform::Application& application = Platform::Application::current();
    long count = 0;
    while (application.onIdle(count++))
    {
    }
}

void Win32CancelChecker::pumpWaitingMessages()
{
    Platform::Backend& backend = Platform::Backend::current();
    Platform::Application& application = Platform::Application::current();
    while (backend.hasPendingMessage())
    {
        if (!application.pumpMessage())
        {
            // The program's own loop must still see the request and end.
            backend.postQuit(0);
            throw ExitException();
        }
    }
}
}
