#include "Platform/Framework/CommandTarget.h"

#include "Platform/Assertion.h"

namespace Platform
{
bool CommandTarget::handlesCommand(unsigned aCommandId) const
{
    return myCommands.count(aCommandId) != 0;
}

bool CommandTarget::runCommand(unsigned aCommandId)
{
    const auto place = myCommands.find(aCommandId);
    if (place == myCommands.end())
    {
        return false;
    }
    // A copy: the handler may change the map, or destroy this target.
    const RangeHandler handler = place->second;
    handler(aCommandId);
    return true;
}

bool CommandTarget::runUpdate(unsigned aCommandId, CommandState& aState)
{
    const auto place = myUpdates.find(aCommandId);
    if (place == myUpdates.end())
    {
        return false;
    }
    // Asked on every poll: called in place, as a state handler only reads.
    place->second(aCommandId, aState);
    return true;
}

void CommandTarget::mapCommand(unsigned aCommandId, const CommandHandler& aHandler)
{
    VORNA_ASSERT(aHandler != nullptr);
    myCommands[aCommandId] = [aHandler](unsigned) { aHandler(); };
}

void CommandTarget::mapCommandRange(unsigned aFirstId, unsigned aLastId, const RangeHandler& aHandler)
{
    VORNA_ASSERT(aHandler != nullptr);
    VORNA_ASSERT(aFirstId <= aLastId);
    for (unsigned id = aFirstId; id <= aLastId; ++id)
    {
        myCommands[id] = aHandler;
    }
}

void CommandTarget::mapCommandUpdate(unsigned aCommandId, const UpdateHandler& aHandler)
{
    VORNA_ASSERT(aHandler != nullptr);
    myUpdates[aCommandId] = [aHandler](unsigned, CommandState& aState) { aHandler(aState); };
}

void CommandTarget::mapCommandUpdateRange(unsigned aFirstId, unsigned aLastId,
                                          const std::function<void(unsigned, CommandState&)>& aHandler)
{
    VORNA_ASSERT(aHandler != nullptr);
    VORNA_ASSERT(aFirstId <= aLastId);
    for (unsigned id = aFirstId; id <= aLastId; ++id)
    {
        myUpdates[id] = aHandler;
    }
}
}
