#include "Platform/Window/Backend.h"

#include "Platform/Assertion.h"
#include "Platform/WaitCursor.h"

namespace Platform
{
namespace
{
Backend*& theBackend()
{
    static Backend* theInstalled = NULL;
    return theInstalled;
}
}

Backend::~Backend()
{
    if (theBackend() == this)
    {
        install(NULL);
    }
}

Backend& Backend::current()
{
    VORNA_ASSERT(theBackend() != NULL);
    return *theBackend();
}

bool Backend::isInstalled()
{
    return theBackend() != NULL;
}

Backend* Backend::install(Backend* aBackend)
{
    Backend* previous = theBackend();
    theBackend() = aBackend;
    if (aBackend == NULL)
    {
        WaitCursor::setHook(WaitCursor::Hook());
        return previous;
    }
    WaitCursor::setHook([](bool aShown) {
        if (theBackend() != NULL)
        {
            theBackend()->showWaitCursor(aShown);
        }
    });
    // A cursor begun before the backend came must show now.
    if (WaitCursor::depth() > 0)
    {
        aBackend->showWaitCursor(true);
    }
    return previous;
}
}
