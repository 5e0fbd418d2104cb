#pragma once

#include "Platform/Framework/MainFrame.h"

// Pellora's main window: the standard frame of a single-document program,
// with its tool bar and a status bar.
class CMainFrame : public Platform::MainFrame
{
public:
    int onCreate() override;
};
