#include "Platform/Framework/StandardResources.h"

#include "Platform/Framework/CommandIds.h"
#include "Platform/Window/Resources.h"

namespace Platform
{
namespace
{
// A default: the program's own text under the id wins.
void addDefault(StringTable& aStrings, unsigned anId, const std::string& aText)
{
    if (!aStrings.contains(anId))
    {
        aStrings.add(anId, aText);
    }
}
}

void StandardResources::addTo(Resources& aResources)
{
    StringTable& strings = aResources.strings();
    addDefault(strings, CommandIds::idleMessage, "Ready");
    addDefault(strings, CommandIds::untitled, "Untitled");
    addDefault(strings, CommandIds::indicatorCaps, "CAP");
    addDefault(strings, CommandIds::indicatorNum, "NUM");
    addDefault(strings, CommandIds::indicatorScroll, "SCRL");
    addDefault(strings, CommandIds::fileNew, "Start a new document\nNew");
    addDefault(strings, CommandIds::fileOpen, "Open a file\nOpen");
    for (unsigned id = CommandIds::recentFileFirst; id <= CommandIds::recentFileLast; ++id)
    {
        addDefault(strings, id, "Open this file again");
    }
    addDefault(strings, CommandIds::appExit, "Leave the program\nExit");
    addDefault(strings, CommandIds::viewToolBar, "Show or hide the tool bar\nToolbar");
    addDefault(strings, CommandIds::viewStatusBar, "Show or hide the status bar\nStatus Bar");
}
}
