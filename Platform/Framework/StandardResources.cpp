#include "Platform/Framework/StandardResources.h"

#include "Platform/Framework/CommandIds.h"
#include "Platform/Window/Resources.h"

namespace Platform
{
void StandardResources::addTo(Resources& aResources)
{
    StringTable& strings = aResources.strings();
    // add keeps a text the program already has under the id.
    strings.add(CommandIds::idleMessage, "Ready");
    strings.add(CommandIds::untitled, "Untitled");
    strings.add(CommandIds::indicatorCaps, "CAP");
    strings.add(CommandIds::indicatorNum, "NUM");
    strings.add(CommandIds::indicatorScroll, "SCRL");
    strings.add(CommandIds::fileNew, "Start a new document\nNew");
    strings.add(CommandIds::fileOpen, "Open a file\nOpen");
    for (unsigned id = CommandIds::recentFileFirst; id <= CommandIds::recentFileLast; ++id)
    {
        strings.add(id, "Open this file again");
    }
    strings.add(CommandIds::appExit, "Leave the program\nExit");
    strings.add(CommandIds::viewToolBar, "Show or hide the tool bar\nToolbar");
    strings.add(CommandIds::viewStatusBar, "Show or hide the status bar\nStatus Bar");
}
}
