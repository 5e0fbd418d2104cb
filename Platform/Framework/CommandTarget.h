#pragma once

#include "Platform/Window/Event.h"

#include <functional>
#include <map>

namespace Platform
{
// An object that takes commands: its command map ties command ids to the
// handlers that carry them out and to the update handlers that decide their
// state (enabled, checked). The application, the document, the main frame
// and the view are command targets; a CommandRouter asks them in turn.
class CommandTarget
{
public:
    typedef std::function<void()> CommandHandler;
    typedef std::function<void(unsigned aCommandId)> RangeHandler;
    typedef std::function<void(CommandState& aState)> UpdateHandler;

    virtual ~CommandTarget() = default;

    bool handlesCommand(unsigned aCommandId) const;
    // Runs the handler; false when there is none.
    bool runCommand(unsigned aCommandId);
    // Runs the update handler on aState; false when there is none.
    bool runUpdate(unsigned aCommandId, CommandState& aState);

protected:
    CommandTarget() = default;
    CommandTarget(const CommandTarget&) = delete;
    CommandTarget& operator=(const CommandTarget&) = delete;

    // A later entry for an id replaces the earlier one.
    void mapCommand(unsigned aCommandId, const CommandHandler& aHandler);
    void mapCommandRange(unsigned aFirstId, unsigned aLastId, const RangeHandler& aHandler);
    void mapCommandUpdate(unsigned aCommandId, const UpdateHandler& aHandler);
    void mapCommandUpdateRange(unsigned aFirstId, unsigned aLastId,
                               const std::function<void(unsigned aCommandId, CommandState& aState)>& aHandler);

private:
    std::map<unsigned, RangeHandler> myCommands;
    std::map<unsigned, std::function<void(unsigned, CommandState&)>> myUpdates;
};
}
