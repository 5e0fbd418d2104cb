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

bool Win32CancelChecker::check()
{
    if (*myRunning == 0)
    {
        throw CancelException();
    }
    pumpMessages();
    return true;
}

void Win32CancelChecker::pumpMessages()
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
    long count = 0;
    while (application.onIdle(count++))
    {
    }
}
}
