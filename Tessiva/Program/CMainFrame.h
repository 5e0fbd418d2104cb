#pragma once

#include "Platform/Framework/MainFrame.h"

// Tessiva's main window: the tool bar, a status bar with the message pane
// and the key-lock indicators, a size limit of 125 by 41 characters, and
// the window's placement kept in the profile section "Settings".
class CMainFrame : public Platform::MainFrame
{
public:
    static constexpr int maximumColumns = 125;
    static constexpr int maximumRows = 41;

    int onCreate() override;
    void onGetMinMaxInfo(Platform::MinMaxInfo& anInfo) override;
    void onClose() override;
    void onEndSession(bool anEnding) override;

    virtual void savePlacement();
    // 1 when a stored placement was applied, 0 when none was stored (then
    // nothing changes).
    virtual int restorePlacement();
};
