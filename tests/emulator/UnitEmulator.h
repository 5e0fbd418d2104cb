#pragma once

// A simulated encoder unit line on a pseudo-terminal, for tests and benchmarks.
// The emulator serves the master side from a thread of its own; the code under
// test opens devicePath() (the slave side, e.g. /dev/pts/7) like a serial port.
//
//     using namespace Emulator;
//     UnitEmulator emulator;
//     emulator.addUnit(0x8280, {{{'B', 3}, UnitEmulator::integer(1)}});
//     emulator.setIdentification(0x8280, "KQ330", "1.03");
//     emulator.injectFault(0x8280, UnitFault::busy(3));     // 06 to the next 3 polls
//     ... open emulator.devicePath(), talk to the unit ...
//     emulator.value(0x8280, 'B', 3);                       // what the unit holds now
//     emulator.log();                                       // what it was sent, message by message
//     emulator.bytesReceived();                             // ... and byte by byte
//
// The units follow the unit's side of the serial-line protocol (EmulatedUnit.h
// says how); several of them may share the line at different addresses.
// With setBaudRate() the emulator paces its answers to the wire: no answer
// starts before the bytes it answers would have crossed a real line, and each
// byte it sends takes 10 bits of time. Each byte's time follows on from the
// byte before whenever it was already waiting, so that the emulator's own
// late wake-ups never make the line slower than the wire.

#include "tests/emulator/EmulatedUnit.h"
#include "tests/emulator/UnitFault.h"
#include "tests/emulator/UnitFrame.h"
#include "tests/emulator/UnitLine.h"

#include <chrono>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace Emulator
{
class UnitEmulator
{
public:
    using LogEntry = UnitLine::Entry;

    struct Counts
    {
        uint64_t bytesReceived = 0;
        uint64_t bytesSent = 0;
        std::chrono::milliseconds addedDelay{0}; // the delays of slow faults, in all
        // Paced reception: when the first byte taken started across the wire,
        // when the last one taken is off it, and how long the wire stood idle
        // between them (the computer had nothing more to send).
        std::chrono::steady_clock::time_point firstReceived{};
        std::chrono::steady_clock::time_point receivedWireEnd{};
        std::chrono::steady_clock::duration receptionIdle{0};
    };

    // Opens the pseudo-terminal and starts serving; throws std::runtime_error when it cannot.
    UnitEmulator();
    // Stops the serving thread and closes the line.
    ~UnitEmulator();
    UnitEmulator(const UnitEmulator&) = delete;
    UnitEmulator& operator=(const UnitEmulator&) = delete;

    std::string devicePath() const { return myDevicePath; }

    // Units and their parameters; an unknown address throws std::invalid_argument.
    void addUnit(uint16_t anAddress, const ParameterMap& someValues = ParameterMap());
    void setValue(uint16_t anAddress, uint8_t aGroup, uint8_t anIndex, const Bytes& aValue);
    void setValues(uint16_t anAddress, const ParameterMap& someValues);
    std::optional<Bytes> value(uint16_t anAddress, uint8_t aGroup, uint8_t anIndex) const;
    ParameterMap values(uint16_t anAddress) const;
    // The record of the unit's writes: every value set, in order.
    std::vector<EmulatedUnit::Write> writes(uint16_t anAddress) const;
    // Device type and version texts under (aGroup, 0) and (aGroup, 1).
    void setIdentification(uint16_t anAddress, const std::string& aDeviceType, const std::string& aVersion,
                           uint8_t aGroup = 0xF8);

    void injectFault(uint16_t anAddress, const UnitFault& aFault);
    void clearFaults(uint16_t anAddress);

    // 0 (the default) sends at once; 9600, 19200, 38400 ... pace to the wire.
    void setBaudRate(unsigned aBaudRate);
    // With a baud rate, also takes what the program writes no faster than the
    // wire carries it, so that a program that writes much (a download) waits
    // on the line as on a real port. Off by default: the unit reads at once.
    void setPacedReception(bool aPaced);
    Counts counts() const;

    std::vector<LogEntry> log() const;
    Bytes bytesReceived() const;
    void clearLog();

    // Download side: the status answer ("ok" unless set), the mode, the lines received.
    void setDownloadAnswer(uint16_t anAddress, const Bytes& anAnswer);
    // Enters download mode at once and sends the status, as after the download-mode write.
    void enterDownloadMode(uint16_t anAddress);
    bool inDownloadMode(uint16_t anAddress) const;
    std::vector<std::string> downloadLines(uint16_t anAddress) const;

    // Values as the unit holds them: an integer as two bytes, most significant first; a text as its characters.
    static Bytes integer(int aValue);
    static Bytes text(const std::string& aText);

private:
    using Clock = std::chrono::steady_clock;

    EmulatedUnit& unit(uint16_t anAddress);
    const EmulatedUnit& unit(uint16_t anAddress) const;
    void serve();
    bool receive();
    void send(const EmulatedUnit::Answers& someAnswers);
    bool writeAll(const uint8_t* someBytes, std::size_t aCount);
    bool waitUntil(Clock::time_point aDeadline);
    // Bytes taken at a time while the reception is paced.
    static constexpr std::size_t pacedChunk = 256;
    // Like waitUntil, but sleeps only until shortly before aDeadline and
    // watches the clock for the rest, so as to return at the moment itself.
    bool waitPunctually(Clock::time_point aDeadline);
    bool waitFor(int aDescriptor, short anEvents, Clock::time_point aDeadline);
    bool stopping() const;
    void wake();
    void closeLine();
    void closeAll();
    Clock::duration byteTime() const;

    std::string myDevicePath;
    int myMaster = -1;
    int mySlave = -1; // held open so that the master never sees a hang-up between users
    int myWakeRead = -1;
    int myWakeWrite = -1;

    mutable std::mutex myMutex; // guards everything below
    UnitLine myLine;
    EmulatedUnit::Answers myOutbox;
    Counts myCounts;
    unsigned myBaudRate = 0;
    bool myPacedReception = false;
    bool myStopping = false;
    bool myHungUp = false;

    // Owned by the serving thread.
    Clock::time_point myLastByte;
    Clock::time_point myReceiveWireEnd;
    Clock::time_point mySendWireEnd;

    std::thread myThread;
};
}
