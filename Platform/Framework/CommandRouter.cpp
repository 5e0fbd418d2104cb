#include "Platform/Framework/CommandRouter.h"

#include "Platform/Framework/CommandTarget.h"

namespace Platform
{
CommandRouter::CommandRouter(const std::vector<CommandTarget*>& aChain)
{
    for (CommandTarget* target : aChain)
    {
        if (target != nullptr)
        {
            myChain.push_back(target);
        }
    }
}

bool CommandRouter::route(unsigned aCommandId) const
{
    if (!state(aCommandId).enabled)
    {
        return false;
    }
    for (CommandTarget* target : myChain)
    {
        // The handler may end the target's life: nothing is touched after it.
        if (target->runCommand(aCommandId))
        {
            return true;
        }
    }
    return false;
}

CommandState CommandRouter::state(unsigned aCommandId) const
{
    CommandState state;
    for (CommandTarget* target : myChain)
    {
        if (target->runUpdate(aCommandId, state))
        {
            return state;
        }
    }
    state.enabled = isHandled(aCommandId);
    return state;
}

bool CommandRouter::isHandled(unsigned aCommandId) const
{
    for (CommandTarget* target : myChain)
    {
        if (target->handlesCommand(aCommandId))
        {
            return true;
        }
    }
    return false;
}
}
