#pragma once

#include "Pellora/Language/Node.h"

#include <string>

// One file of a download_files list.
class DownloadFileNode : public Node
{
public:
    explicit DownloadFileNode(const std::string& aFileName);

    // The transfer's result.
    bool execute(ScriptMachine& aMachine) override;

    const std::string& fileName() const { return myFileName; }

private:
    std::string myFileName;
};
