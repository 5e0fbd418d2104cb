#include "tests/emulator/EmulatedUnit.h"

#include <algorithm>

namespace Emulator
{
EmulatedUnit::EmulatedUnit(uint16_t anAddress) : myAddress(anAddress) {}

bool EmulatedUnit::isSelectedBy(uint8_t aHigh, uint8_t aLow) const
{
    return aHigh == (myAddress >> 8) && aLow == (myAddress & 0xFF);
}

bool EmulatedUnit::isPolledBy(uint8_t aHigh, uint8_t aLow) const
{
    // Only the low byte moves on: 0x82FF polls as 82 00.
    return aHigh == (myAddress >> 8) && aLow == ((myAddress + 1) & 0xFF);
}

void EmulatedUnit::setValue(const ParameterKey& aKey, const Bytes& aValue) { myValues[aKey] = aValue; }

void EmulatedUnit::setValues(const ParameterMap& someValues)
{
    for (const auto& entry : someValues)
        myValues[entry.first] = entry.second;
}

std::optional<Bytes> EmulatedUnit::value(const ParameterKey& aKey) const
{
    auto found = myValues.find(aKey);
    if (found == myValues.end())
        return std::nullopt;
    return found->second;
}

void EmulatedUnit::setIdentification(const std::string& aDeviceType, const std::string& aVersion, uint8_t aGroup)
{
    myIdentificationGroup = aGroup;
    myValues[{aGroup, 0}] = Bytes(aDeviceType.begin(), aDeviceType.end());
    myValues[{aGroup, 1}] = Bytes(aVersion.begin(), aVersion.end());
}

void EmulatedUnit::injectFault(const UnitFault& aFault)
{
    myFaults.erase(aFault.kind());
    myFaults.emplace(aFault.kind(), aFault);
}

void EmulatedUnit::clearFaults() { myFaults.clear(); }

void EmulatedUnit::setDownloadAnswer(const Bytes& anAnswer) { myDownloadAnswer = anAnswer; }

void EmulatedUnit::enterDownloadMode(Answers& someAnswers)
{
    myDownloadRequested = false;
    myDownloadMode = true;
    myInFile = false;
    if (!ignores(someAnswers))
        send(myDownloadAnswer, someAnswers);
}

bool EmulatedUnit::holdsGroup(uint8_t aGroup) const
{
    auto first = myValues.lower_bound({aGroup, 0});
    return first != myValues.end() && first->first.first == aGroup;
}

std::optional<UnitFault> EmulatedUnit::takeFault(UnitFault::Kind aKind)
{
    auto found = myFaults.find(aKind);
    if (found == myFaults.end())
        return std::nullopt;
    std::optional<UnitFault> fault;
    if (found->second.consume())
        fault = found->second;
    if (found->second.count() == 0)
        myFaults.erase(found);
    return fault;
}

// A unit that hangs up or is silent does nothing with what it was sent.
bool EmulatedUnit::ignores(Answers& someAnswers)
{
    if (takeFault(UnitFault::HangUp))
    {
        Answer answer;
        answer.hangUp = true;
        someAnswers.push_back(answer);
        return true;
    }
    return takeFault(UnitFault::Silent).has_value();
}

void EmulatedUnit::send(Bytes someBytes, Answers& someAnswers)
{
    Answer answer;
    if (auto noise = takeFault(UnitFault::Garbage))
        someBytes.insert(someBytes.begin(), noise->bytes().begin(), noise->bytes().end());
    if (auto slow = takeFault(UnitFault::Slow))
        answer.delay = slow->delay();
    answer.bytes = std::move(someBytes);
    someAnswers.push_back(answer);
}

Bytes EmulatedUnit::spoilFrame(Bytes aFrame)
{
    if (auto wrongStart = takeFault(UnitFault::WrongStart))
        aFrame.front() = wrongStart->byte();
    if (takeFault(UnitFault::BadChecksum))
        aFrame.back() = static_cast<uint8_t>(aFrame.back() + 1);
    if (auto overlong = takeFault(UnitFault::OverlongFrame))
        aFrame.insert(aFrame.end(), overlong->bytes().begin(), overlong->bytes().end());
    if (auto truncated = takeFault(UnitFault::TruncatedFrame))
        aFrame.resize(std::min(aFrame.size(), truncated->keptBytes()));
    return aFrame;
}

void EmulatedUnit::onFrame(const Bytes& aFrame, Answers& someAnswers)
{
    if (ignores(someAnswers))
        return;
    if (!UnitFrame::isIntact(aFrame))
    {
        send({nak}, someAnswers);
        return;
    }
    if (auto refusal = takeFault(UnitFault::RefuseAck))
    {
        send({refusal->byte()}, someAnswers);
        return;
    }
    Bytes data = UnitFrame::data(aFrame);
    std::vector<ValueEntry> entries;
    if (!data.empty() && !holdsGroup(data[0]) && UnitFrame::decodeValues(data, entries))
        takeSet(data, entries);
    else
        takeRequest(data);
    send({ack}, someAnswers);
}

void EmulatedUnit::takeSet(const Bytes& aData, const std::vector<ValueEntry>& someEntries)
{
    uint8_t group = aData[0];
    uint8_t readGroup = static_cast<uint8_t>(group + 1);
    for (const ValueEntry& entry : someEntries)
    {
        myValues[{readGroup, entry.first}] = entry.second;
        myWrites.emplace_back(ParameterKey{readGroup, entry.first}, entry.second);
        bool nonZero = std::any_of(entry.second.begin(), entry.second.end(), [](uint8_t b) { return b != 0; });
        if (group == static_cast<uint8_t>(myIdentificationGroup + 1) && entry.first == 0 && nonZero)
            myDownloadRequested = true;
    }
}

void EmulatedUnit::takeRequest(const Bytes& aData)
{
    if (aData.empty())
    {
        myAnswerFrame = UnitFrame::encode(aData);
        return;
    }
    uint8_t group = aData[0];
    std::vector<ValueEntry> entries;
    for (std::size_t i = 1; i < aData.size(); ++i)
    {
        auto found = myValues.find({group, aData[i]});
        if (found != myValues.end())
            entries.emplace_back(aData[i], found->second);
    }
    myAnswerFrame = UnitFrame::encode(UnitFrame::encodeValues(group, entries));
}

void EmulatedUnit::onPoll(Answers& someAnswers)
{
    if (ignores(someAnswers))
        return;
    std::optional<UnitFault> odd = takeFault(UnitFault::Busy);
    if (!odd)
        odd = takeFault(UnitFault::PollAnswer);
    if (odd)
    {
        send({odd->byte()}, someAnswers);
        return;
    }
    if (myAnswerFrame)
    {
        send({answerReady}, someAnswers);
        return;
    }
    send({ack}, someAnswers);
    if (myDownloadRequested)
        enterDownloadMode(someAnswers);
}

void EmulatedUnit::onAuthorize(Answers& someAnswers)
{
    if (ignores(someAnswers) || !myAnswerFrame)
        return;
    Bytes frame = spoilFrame(*myAnswerFrame);
    myAnswerFrame.reset();
    send(frame, someAnswers);
}

void EmulatedUnit::onLine(const std::string& aLine, Answers& someAnswers)
{
    myDownloadLines.push_back(aLine);
    bool statusDue = false;
    if (aLine.compare(0, 6, "S0DONE") == 0)
    {
        myDownloadMode = false;
        myInFile = false;
    }
    else if (aLine.compare(0, 6, "S0DNLD") == 0)
    {
        myInFile = false;
        statusDue = true;
    }
    else if (!myInFile)
    {
        myInFile = true;
        statusDue = true;
    }
    else if (aLine.size() >= 2 && aLine[0] == 'S' && aLine[1] >= '7' && aLine[1] <= '9')
    {
        myInFile = false;
        statusDue = true;
    }
    if (statusDue && !ignores(someAnswers))
        send(myDownloadAnswer, someAnswers);
}
}
