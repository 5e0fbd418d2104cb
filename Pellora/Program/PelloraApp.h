#pragma once

#include "Platform/Framework/Application.h"
#include "Platform/Window/Resources.h"

class CMainFrame;
class PelloraDoc;
class PelloraView;

// The download program: its start-up and the application's own commands
// (Select a script, the recent scripts, About, Exit).
class PelloraApp : public Platform::Application
{
public:
    PelloraApp();

    bool initInstance() override;

    // nullptr before the start-up made them and after the program ended.
    PelloraDoc* document() const;
    PelloraView* view() const;
    CMainFrame* frame() const;

private:
    Platform::Resources myResources;
};
