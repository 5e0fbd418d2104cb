#pragma once

#include "Pellora/Engine/CancelChecker.h"
#include "Pellora/Engine/DownloadClock.h"
#include "Pellora/Engine/ProgressDisplay.h"

#include <chrono>
#include <cstddef>
#include <fstream>
#include <string>

class SerialDevice;

// One Motorola S-record file sent line by line to the unit. The lines go out as
// they stand in the file (a "\r" before the line end dropped), with a progress
// fraction and a cancel check between lines, so Stop ends a transfer within a
// line and never inside one.
class DownloadFile
{
public:
    // How long the unit may take for its status answer.
    static constexpr std::chrono::milliseconds StatusTimeLimit{300000};
    // Without the protocol: how long to wait for the unit's answer after the
    // last line, then how long to keep the window live before going on.
    static constexpr std::chrono::milliseconds AnswerTimeLimit{20000};
    static constexpr std::chrono::milliseconds SettleTime{3000};
    // The longest line a file may hold, its line end not counted; an S-record
    // line has at most 514 characters.
    static constexpr std::size_t MaxLineLength = 4096;

    explicit DownloadFile(const std::string& aName);

    const std::string& name() const { return myName; }

    // With the protocol, the unit must answer "ok" before the first line and
    // again after it; every line goes out with one "\n". Without it, lines go
    // out without line ends and the unit's one answer byte is awaited at the
    // end. Throws InterpreterError "Error opening <name>" for a file that
    // cannot be opened or is no regular file, and "Error reading <name>" when
    // reading it fails or a line is longer than MaxLineLength; the progress is
    // 0 again afterwards.
    void download(SerialDevice& aDevice, UserInterface::ProgressDisplay& aProgress,
                  UserInterface::CancelChecker& aCancelChecker, bool aProtocol,
                  const DownloadClock& aClock = DownloadClock::steady());

    // Waits for the unit's two-byte status and accepts "ok" in any letter case.
    // Throws InterpreterError "no status response from the device" when fewer
    // than two bytes arrive within the time limit, or at once when the device
    // has gone and is not back, "Download error <n>\n" with
    // the signed byte that follows another answer, and "no error code from the
    // device" when none follows.
    static void checkStatus(SerialDevice& aDevice, UserInterface::CancelChecker& aCancelChecker,
                            const DownloadClock& aClock = DownloadClock::steady());

private:
    void open();
    [[nodiscard]] bool readLine(std::string& aLine);
    void sendWithProtocol(SerialDevice& aDevice, UserInterface::ProgressDisplay& aProgress,
                          UserInterface::CancelChecker& aCancelChecker, const DownloadClock& aClock);
    void sendPlain(SerialDevice& aDevice, UserInterface::ProgressDisplay& aProgress,
                   UserInterface::CancelChecker& aCancelChecker, const DownloadClock& aClock);
    void checkRead() const;

    std::string myName;
    std::ifstream myStream;
    // Bytes of the file read so far, and the file's size plus one.
    std::streamoff myPosition = 0;
    float myTotal = 1.0f;
};
