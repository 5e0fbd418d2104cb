#pragma once

#include "Platform/Window/Event.h"

#include <vector>

namespace Platform
{
class CommandTarget;

// Hands a command to the first target of a chain that handles it. The main
// frame's chain is the view, the document, the frame, the application.
//
// A command's state is decided by the first target with an update handler
// for it; without one, a command is enabled when some target handles it and
// disabled when none does. A disabled command is never carried out, however
// it arrives (menu, tool bar, key).
class CommandRouter
{
public:
    // nullptr entries (a view not yet made) are passed over.
    explicit CommandRouter(const std::vector<CommandTarget*>& aChain);

    // False when the command is disabled or nobody handles it.
    bool route(unsigned aCommandId) const;
    CommandState state(unsigned aCommandId) const;
    bool isHandled(unsigned aCommandId) const;

private:
    std::vector<CommandTarget*> myChain;
};
}
