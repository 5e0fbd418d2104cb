#pragma once

#include "Pellora/DownloadFile.h"
#include "Pellora/Node.h"

#include <string>

// One file of a download_files list.
class DownloadFileNode : public Node
{
public:
    explicit DownloadFileNode(const std::string& aFileName);

    // The transfer's result.
    bool execute(Interpreter& anInterpreter) override;

    const std::string& fileName() const { return myFile.name(); }

private:
    DownloadFile myFile;
};
