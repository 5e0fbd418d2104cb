// Writes the seed inputs of every fuzz target, made by the program's own code:
// a configuration saved by each off-line device, the conversations of the
// protocol stack and of whole devices with emulated units, a valid script and
// its download, a valid S-record file with the unit's answers, and a settings
// file written by the settings store.
//
//     fuzz_seeds <folder>     writes <folder>/<target>/<seed>

#include "tests/emulator/UnitLine.h"
#include "tests/emulator/models/Kq310Unit.h"
#include "tests/emulator/models/Kq330Unit.h"
#include "tests/emulator/models/Kq350Unit.h"
#include "tests/fuzz/DeviceSession.h"
#include "tests/fuzz/FuzzOutput.h"
#include "tests/fuzz/FuzzOperator.h"
#include "tests/fuzz/LineRecords.h"
#include "tests/fuzz/ModelChoice.h"
#include "tests/fuzz/OnlineDevice.h"
#include "tests/fuzz/VirtualDownloadClock.h"
#include "tests/fuzz/VirtualTime.h"
#include "tests/fuzz/ProtocolOperation.h"
#include "tests/fuzz/RecordingLine.h"

#include "Models/Device.h"
#include "Models/OnlineProtocolStack.h"
#include "Pellora/Engine/Interpreter.h"
#include "Platform/ProfileStore.h"
#include "Toolkit/Link/SerialDevice.h"
#include "Toolkit/Parameter/VornaException.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace
{
const std::uint16_t theAddress = OnlineDevice::address;
const char* const theRecords = "S00600004844521B\n"
                               "S1130000285F245F2212226A000424290008237C2A\n"
                               "S9030000FC\n";

fs::path theOutput;

void writeSeed(const std::string& aTarget, const std::string& aName, const std::string& aBytes)
{
    const fs::path folder = theOutput / aTarget;
    fs::create_directories(folder);
    std::ofstream file(folder / aName, std::ios::binary | std::ios::trunc);
    file.write(aBytes.data(), static_cast<std::streamsize>(aBytes.size()));
    if (!file)
    {
        std::cerr << "cannot write " << (folder / aName).string() << "\n";
        std::exit(1);
    }
}

Emulator::ParameterMap freshValues(ModelChoice aModel)
{
    switch (aModel)
    {
    case ModelChoice::kq310:
        return Emulator::Kq310Unit::freshValues();
    case ModelChoice::kq330:
        return Emulator::Kq330Unit::freshValues();
    default:
        return Emulator::Kq350Unit::freshValues();
    }
}

const char* modelName(ModelChoice aModel)
{
    return aModel == ModelChoice::kq310 ? "kq310" : aModel == ModelChoice::kq330 ? "kq330" : "kq350";
}

void configurations()
{
    for (int model = 0; model < modelCount; ++model)
    {
        const ModelChoice choice = modelChoice(static_cast<std::uint8_t>(model));
        std::ostringstream saved(std::ios::binary);
        makeOfflineDevice(choice)->saveConfiguration(saved);
        writeSeed("configuration", modelName(choice), FuzzOutput().byte(modelByte(choice)).raw(saved.str()).bytes());
    }
}

void protocol()
{
    const std::uint8_t textValue = 6;
    struct Case
    {
        const char* name;
        ProtocolOperation::Kind kind;
        std::uint8_t group;
        std::uint8_t index;
        std::uint8_t textLength;
    };
    // Groups of the model's unit: 'r' reads a control group, 'w' writes it (the group before).
    const Case cases[] = {{"status", ProtocolOperation::status, 0, 0, 0xFF},
                          {"get", ProtocolOperation::get, 'r', 2, 0xFF},
                          {"get-text", ProtocolOperation::get, 0xF8, 0, 0xFF},
                          {"list", ProtocolOperation::list, 'r', 0, 0xFF},
                          {"set", ProtocolOperation::set, 'w', 2, 0xFF},
                          {"set-text", ProtocolOperation::set, 'w', 14, textValue},
                          {"set-and-get", ProtocolOperation::setAndGet, 'w', 2, 0xFF}};
    for (int line = 0; line < 2; ++line)
    {
        const ModelChoice model = line == 1 ? ModelChoice::kq310 : ModelChoice::kq330;
        for (const Case& each : cases)
        {
            ProtocolOperation operation;
            operation.kind = each.kind;
            const std::uint8_t read = model == ModelChoice::kq310 ? 'B' : 'a';
            operation.group = each.group == 'r' ? read : each.group == 'w' ? read - 1 : each.group;
            operation.index = each.index;
            operation.number = 1;
            operation.textLength = each.textLength;
            operation.settle = 2;
            operation.listCount = 7;

            Emulator::UnitLine units;
            units.addUnit(theAddress).setValues(freshValues(model));
            VirtualTime time;
            RecordingLine recording(units, time);
            {
                OnlineProtocolStack stack(&recording, theAddress,
                                          line == 1 ? OnlineProtocolStack::kq310Line : OnlineProtocolStack::unitLine);
                try
                {
                    operation.run(*stack.outermost());
                }
                catch (const VornaException& anError)
                {
                    // Still a conversation worth mutating: the unit has no such value.
                    std::cerr << modelName(model) << " " << each.name << ": " << anError.what() << "\n";
                }
            }
            FuzzOutput seed;
            seed.byte(static_cast<std::uint8_t>(line));
            operation.write(seed);
            writeSeed("protocol", std::string(modelName(model)) + "-" + each.name, seed.raw(recording.records()).bytes());
        }
    }
}

void onlineDevices()
{
    for (int model = 0; model < modelCount; ++model)
    {
        DeviceSession session;
        session.model = modelChoice(static_cast<std::uint8_t>(model));
        session.polls = 7;
        DeviceSession::Edit edit;
        edit.pick = 5;
        edit.number = 1;
        session.edits.push_back(edit);
        session.refresh = true;

        Emulator::UnitLine units;
        units.addUnit(theAddress).setValues(freshValues(session.model));
        VirtualTime time;
        RecordingLine recording(units, time);
        session.run(recording);
        FuzzOutput seed;
        session.write(seed);
        writeSeed("online_device", modelName(session.model), seed.raw(recording.records()).bytes());
    }
}

void script()
{
    const std::string text = "print(\"Firmware update\");\n"
                             "if (device == \"KQ330\") dialog(\"a KQ330\");\n"
                             "if (version >= 1.0) print(\"new\"); else print(\"old\");\n"
                             "if (ask(\"Download?\")) {\n"
                             "    download_mode;\n"
                             "    download_files(\"a.s19\");\n"
                             "    reset;\n"
                             "}\n";
    // The script's download is recorded with its file beside it, as the target has it.
    const fs::path folder = theOutput / ".script";
    fs::create_directories(folder);
    std::ofstream(folder / "a.s19", std::ios::binary) << theRecords;
    std::ofstream(folder / "script.prx", std::ios::binary) << text;
    const fs::path before = fs::current_path();
    fs::current_path(folder);

    Emulator::UnitLine units;
    units.addUnit(theAddress).setValues(Emulator::Kq330Unit::freshValues());
    VirtualTime time;
    RecordingLine recording(units, time);
    SerialDevice device(&recording);
    FuzzOperator user(0xFF, 0);
    VirtualDownloadClock clock;
    Interpreter interpreter(&user, &device, theAddress, Interpreter::DefaultQueryKeyword, &clock);
    try
    {
        if (!interpreter.runScript((folder / "script.prx").string()))
        {
            std::cerr << "the seed script could not be read\n";
            std::exit(1);
        }
    }
    catch (const VornaException& anError)
    {
        std::cerr << "the seed script failed: " << anError.what() << "\n";
        std::exit(1);
    }
    fs::current_path(before);
    fs::remove_all(folder);
    writeSeed("script", "download", FuzzOutput().byte(0xFF).byte(0).zeroEnded(text).raw(recording.records()).bytes());
}

void sRecords()
{
    writeSeed("srecord", "protocol",
              FuzzOutput().byte(1).byte(0).word(static_cast<std::uint16_t>(std::string(theRecords).size()))
                  .raw(theRecords)
                  .raw(LineRecords().raw({'o', 'k'}).raw({'o', 'k'}).records())
                  .bytes());
    writeSeed("srecord", "plain",
              FuzzOutput().byte(0).byte(0).word(static_cast<std::uint16_t>(std::string(theRecords).size()))
                  .raw(theRecords)
                  .raw(LineRecords().silence().raw({'!'}).records())
                  .bytes());
    writeSeed("srecord", "download-error",
              FuzzOutput().byte(1).byte(0).word(static_cast<std::uint16_t>(std::string(theRecords).size()))
                  .raw(theRecords)
                  .raw(LineRecords().raw({'o', 'k', 'e', 'r', 0x85}).records())
                  .bytes());
}

void settings()
{
    const fs::path home = theOutput / ".settings";
    fs::create_directories(home);
    ::setenv("XDG_CONFIG_HOME", home.c_str(), 1);
    Platform::ProfileStore store("Tessiva");
    if (!store.writeInt("Settings", "device address", 0x8280) || !store.writeInt("Settings", "baud rate", 38400) ||
        !store.writeString("Ports", "COM1", "/dev/ttyUSB0") ||
        !store.writeString("Recent File List", "File1", "C:\\configs\\studio a.vnb"))
    {
        throw std::runtime_error("cannot write the settings of the profile seeds");
    }
    std::ifstream file(store.filePath(), std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    fs::remove_all(home);
    writeSeed("profile_store", "int", FuzzOutput().text("Settings").text("baud rate").text("9600").byte(1).raw(text.str()).bytes());
    writeSeed("profile_store", "string", FuzzOutput().text("Ports").text("COM2").text("/dev/pts/3").byte(0).raw(text.str()).bytes());
}
}

int main(int aCount, char** someArguments)
{
    if (aCount != 2)
    {
        std::cerr << "usage: fuzz_seeds <folder>\n";
        return 2;
    }
    theOutput = fs::absolute(someArguments[1]);
    configurations();
    protocol();
    onlineDevices();
    script();
    sRecords();
    settings();
    return 0;
}
