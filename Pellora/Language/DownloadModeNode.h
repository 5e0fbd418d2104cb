#pragma once

#include "Pellora/Language/Node.h"

// download_mode; puts the unit into download mode.
class DownloadModeNode : public Node
{
public:
    bool execute(ScriptMachine& aMachine) override;
};
