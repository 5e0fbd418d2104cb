#pragma once

#include "Pellora/Engine/DownloadClock.h"
#include "Pellora/Engine/UserInterfaceFactory.h"
#include "Pellora/Language/ScriptMachine.h"

#include <cstdint>
#include <functional>
#include <string>

class AbstractProtocol;
class Node;
class SerialDevice;

// Runs one download script against one unit: holds the run's settings (device
// address, query keyword, protocol flag), talks to the unit through the serial
// device and reaches the window through the user-interface factory.
class Interpreter : public ScriptMachine
{
public:
    // The group of the unit's identification parameters unless a script says
    // otherwise (0xF8).
    static constexpr signed char DefaultQueryKeyword = -8;
    // Neither the factory nor the device is owned. Sets the device's read
    // time-out to the protocol's, so that Stop and the time limits work
    // whatever a script does first. aClock (not owned) times the download's limits; nullptr is the
    // steady clock.
    Interpreter(UserInterfaceFactory* aFactory, SerialDevice* aDevice, std::uint16_t anAddress,
                signed char aQueryKeyword = DefaultQueryKeyword, const DownloadClock* aClock = nullptr);
    Interpreter(const Interpreter&) = delete;
    Interpreter& operator=(const Interpreter&) = delete;

    // Reads the script at aPath, closes it and runs it from the initial
    // settings; relative file names of its download statements name files in
    // the script's folder. False, without running anything, when the file
    // cannot be opened. ParseError for a script that does not parse (nothing
    // is sent); whatever the statements throw passes through.
    [[nodiscard]] bool runScript(const std::string& aPath);
    // Runs a tree that the caller owns.
    bool execute(Node& aRoot);

    std::uint16_t address() const { return myAddress; }
    signed char queryKeyword() const { return myQueryKeyword; }
    void setQueryKeyword(signed char aKeyword) override { myQueryKeyword = aKeyword; }
    bool protocol() const { return myProtocol; }
    void setProtocol(bool aFlag) override { myProtocol = aFlag; }

    void sendText(const std::string& aText) override;
    void enterDownloadMode() override;
    std::string readVersion() override;
    std::string readDevice() override;

    bool ask(const std::string& aQuestion) override;
    void showMessage(const std::string& aMessage) override;
    void print(const std::string& aText) override;
    // The file is the one pathOf finds.
    void download(const std::string& aFileName) override;
    // Where a download statement's file is: a relative name is taken in the
    // folder of the script being run (as it stands when no script is).
    std::string pathOf(const std::string& aFileName) const;

private:
    // Runs anOperation over the framed protocol to the unit, built for it alone.
    void withProtocol(const std::function<void(AbstractProtocol&)>& anOperation);

    UserInterfaceFactory* myFactory;
    SerialDevice* myDevice;
    std::uint16_t myAddress;
    signed char myInitialQueryKeyword;
    signed char myQueryKeyword;
    bool myProtocol = true;
    const DownloadClock* myClock;
    // The folder of the script that runScript runs; empty until then.
    std::string myScriptFolder;
};
