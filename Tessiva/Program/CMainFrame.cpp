#include "Tessiva/Program/CMainFrame.h"

#include "Platform/Framework/Application.h"
#include "Platform/Framework/CommandIds.h"
#include "Platform/Framework/UnsavedSettings.h"
#include "Platform/Framework/WindowPlacement.h"
#include "Platform/ProfileStore.h"
#include "Platform/Window/Backend.h"
#include "Tessiva/Program/TessivaResources.h"

#include <optional>

namespace
{
const char* const settingsSection = "Settings";
}

int CMainFrame::onCreate()
{
    using Platform::CommandIds;
    if (MainFrame::onCreate() == creationFailed || !createToolBar(TessivaResources::mainFrame) ||
        !createStatusBar({CommandIds::messagePane, CommandIds::indicatorCaps, CommandIds::indicatorNum,
                          CommandIds::indicatorScroll}))
    {
        return creationFailed;
    }
    setIcon(TessivaResources::programIcon);
    return 0;
}

void CMainFrame::onGetMinMaxInfo(Platform::MinMaxInfo& anInfo)
{
    anInfo.maximumTrackWidth = averageCharacterWidth() * maximumColumns;
    anInfo.maximumTrackHeight = characterHeight() * maximumRows;
}

void CMainFrame::onClose()
{
    savePlacement();
    MainFrame::onClose();
}

void CMainFrame::onEndSession(bool anEnding)
{
    if (anEnding)
    {
        savePlacement();
    }
    MainFrame::onEndSession(anEnding);
}

void CMainFrame::savePlacement()
{
    Platform::ProfileStore& profile = Platform::Application::current().profile();
    if (!placement().write(profile, settingsSection))
    {
        // Only ever written as the window closes.
        Platform::reportUnsavedSettings(profile, "The window placement", Platform::SettingsReport::StandardErrorOnly);
    }
}

int CMainFrame::restorePlacement()
{
    std::optional<Platform::WindowPlacement> stored =
        Platform::WindowPlacement::read(Platform::Application::current().profile(), settingsSection);
    if (!stored)
    {
        return 0;
    }
    Platform::Backend& backend = Platform::Backend::current();
    const Platform::Rectangle screen = backend.screenArea();
    stored->keepReachable(screen.width(), screen.height(), backend.iconWidth(), backend.iconHeight());
    setPlacement(*stored);
    return 1;
}
