#pragma once

// One encoder unit on the emulated line: its device address, its parameter
// map, its faults and its download state. It does no input or output: the
// line hands it what was addressed to it and sends the answers it returns.
//
// Unit side of the exchanges:
// - a frame after its select string is answered with ACK (0x04). A frame of a
//   group that the unit holds parameters in is a request: the unit prepares the
//   answer frame with the values it holds for the requested indexes, in request
//   order (an index it does not hold is left out). Any other frame that parses
//   as a value message is a set: each value is kept under the NEXT group, so a
//   write of (0x41, 3) reads back as ('B', 3). A frame with a bad checksum is
//   answered with NAK (0x15).
// - a poll is answered 0x08 while an answer frame waits, else 0x04.
// - the transmit authorisation (select, then 0x09) sends the waiting answer frame.
// - identification: (group, 0) holds the device type text and (group, 1) the
//   version text, group 0xF8 unless set otherwise. A set of (group + 1, 0) to a
//   non-zero value enters download mode: the poll that ends the set is answered
//   0x04 and followed by the download status ("ok" unless set otherwise).
// - in download mode every text line is recorded. The status follows the first
//   line of each file and each termination record (S7, S8, S9), which makes the
//   unit ready for the next file; "S0DNLD" restarts download mode (the status
//   follows) and "S0DONE" leaves it (no status).

#include "tests/emulator/UnitFault.h"
#include "tests/emulator/UnitFrame.h"

#include <chrono>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace Emulator
{
class EmulatedUnit
{
public:
    // Bytes to send, after a delay; a hang-up answer closes the line instead.
    struct Answer
    {
        Bytes bytes;
        std::chrono::milliseconds delay{0};
        bool hangUp = false;
    };
    using Answers = std::vector<Answer>;

    static constexpr uint8_t ack = 0x04;
    static constexpr uint8_t nak = 0x15;
    static constexpr uint8_t answerReady = 0x08;

    explicit EmulatedUnit(uint16_t anAddress);

    uint16_t address() const { return myAddress; }
    bool isSelectedBy(uint8_t aHigh, uint8_t aLow) const;
    bool isPolledBy(uint8_t aHigh, uint8_t aLow) const;

    void setValue(const ParameterKey& aKey, const Bytes& aValue);
    void setValues(const ParameterMap& someValues);
    std::optional<Bytes> value(const ParameterKey& aKey) const;
    const ParameterMap& values() const { return myValues; }
    // Every value the computer has set, in the order the sets came, under the key it reads back as.
    using Write = std::pair<ParameterKey, Bytes>;
    const std::vector<Write>& writes() const { return myWrites; }
    void setIdentification(const std::string& aDeviceType, const std::string& aVersion, uint8_t aGroup);

    void injectFault(const UnitFault& aFault);
    void clearFaults();

    void setDownloadAnswer(const Bytes& anAnswer);
    bool inDownloadMode() const { return myDownloadMode; }
    void enterDownloadMode(Answers& someAnswers);
    const std::vector<std::string>& downloadLines() const { return myDownloadLines; }

    // What the line delivers to this unit; answers are appended.
    void onFrame(const Bytes& aFrame, Answers& someAnswers);
    void onPoll(Answers& someAnswers);
    void onAuthorize(Answers& someAnswers);
    void onLine(const std::string& aLine, Answers& someAnswers);

private:
    bool holdsGroup(uint8_t aGroup) const;
    std::optional<UnitFault> takeFault(UnitFault::Kind aKind);
    bool ignores(Answers& someAnswers);
    void send(Bytes someBytes, Answers& someAnswers);
    Bytes spoilFrame(Bytes aFrame);
    void takeSet(const Bytes& aData, const std::vector<ValueEntry>& someEntries);
    void takeRequest(const Bytes& aData);

    uint16_t myAddress;
    ParameterMap myValues;
    std::vector<Write> myWrites;
    std::map<UnitFault::Kind, UnitFault> myFaults;
    std::optional<Bytes> myAnswerFrame;
    uint8_t myIdentificationGroup = 0xF8;
    bool myDownloadRequested = false;
    bool myDownloadMode = false;
    bool myInFile = false;
    Bytes myDownloadAnswer{'o', 'k'};
    std::vector<std::string> myDownloadLines;
};
}
