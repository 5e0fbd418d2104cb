#include "Pellora/Program/CMainFrame.h"

#include "Pellora/Program/PelloraResources.h"
#include "Platform/Framework/CommandIds.h"

int CMainFrame::onCreate()
{
    using Platform::CommandIds;
    if (MainFrame::onCreate() == creationFailed || !createToolBar(PelloraResources::mainFrame) ||
        !createStatusBar({CommandIds::messagePane, CommandIds::indicatorCaps, CommandIds::indicatorNum,
                          CommandIds::indicatorScroll}))
    {
        return creationFailed;
    }
    setIcon(PelloraResources::programIcon);
    return 0;
}
