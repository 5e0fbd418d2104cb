#pragma once

#include "Platform/Framework/Document.h"
#include "Platform/LineSettings.h"

#include <cstdint>
#include <string>

// The document: the chosen script (its path) and the state of a run as the
// view shows it: the messages, the current file, the progress and whether a
// run goes on.
class PelloraDoc : public Platform::Document
{
public:
    // The idle caption of the current-file field.
    static const char* const idleCurrentFile;
    // The unit's identification parameters are read under this group.
    static constexpr signed char queryKeyword = -8;

    bool onNewDocument() override;

    // Runs the script against the unit at anAddress on "COM<aPortNumber>" set
    // to aLineSettings, through the first view's windows. Every failure (the port,
    // the unit, the download, the script) is shown in a message box after
    // the status has been reset; Stop and the program's closing end the run
    // quietly.
    void startDownload(std::int16_t anAddress, std::uint32_t aPortNumber, const Platform::LineSettings& aLineSettings);

    // Idle again: no messages, no file, no progress; the views are told.
    void resetStatus();

    const std::string& messageText() const { return myMessageText; }
    const std::string& currentFileText() const { return myCurrentFileText; }
    int progress() const { return myProgress; }
    unsigned char running() const { return myRunning; }

private:
    std::string myMessageText;
    std::string myCurrentFileText = idleCurrentFile;
    int myProgress = 0;
    unsigned char myRunning = 0;
};
