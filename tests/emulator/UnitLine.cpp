#include "tests/emulator/UnitLine.h"

namespace Emulator
{
EmulatedUnit& UnitLine::addUnit(uint16_t anAddress)
{
    return myUnits.emplace(anAddress, EmulatedUnit(anAddress)).first->second;
}

EmulatedUnit* UnitLine::findUnit(uint16_t anAddress)
{
    auto found = myUnits.find(anAddress);
    return found == myUnits.end() ? nullptr : &found->second;
}

const EmulatedUnit* UnitLine::findUnit(uint16_t anAddress) const
{
    auto found = myUnits.find(anAddress);
    return found == myUnits.end() ? nullptr : &found->second;
}

void UnitLine::clearLog()
{
    myLog.clear();
    myReceived.clear();
    myInOther = false;
}

void UnitLine::receive(const Bytes& someBytes, EmulatedUnit::Answers& someAnswers)
{
    myReceived.insert(myReceived.end(), someBytes.begin(), someBytes.end());
    for (uint8_t byte : someBytes)
        take(byte, someAnswers);
}

bool UnitLine::isMidMessage() const
{
    return myState == State::Address || myState == State::FrameLength || myState == State::FrameBody ||
           !myText.empty();
}

void UnitLine::pause(EmulatedUnit::Answers& someAnswers)
{
    if (myState == State::Address || myState == State::FrameLength || myState == State::FrameBody)
    {
        addEntry(Entry::Other, mySelected ? mySelected->address() : 0, myMessage);
        myMessage.clear();
        mySelected = nullptr;
        myState = State::Idle;
    }
    endText(someAnswers);
}

void UnitLine::take(uint8_t aByte, EmulatedUnit::Answers& someAnswers)
{
    switch (myState)
    {
    case State::Address:
        myMessage.push_back(aByte);
        if (myMessage.size() == 3)
            takeAddress(someAnswers);
        return;
    case State::FrameLength:
        myMessage.push_back(aByte);
        myState = State::FrameBody;
        return;
    case State::FrameBody:
        myMessage.push_back(aByte);
        if (myMessage.size() == std::size_t(myMessage[1]) + 3)
            takeFrame(someAnswers);
        return;
    case State::Selected:
        if (aByte == UnitFrame::stx)
        {
            myMessage = {aByte};
            myState = State::FrameLength;
            myInOther = false;
            return;
        }
        if (aByte == authorization)
        {
            addEntry(Entry::Authorize, mySelected->address(), {aByte});
            myLastSender = mySelected->address();
            EmulatedUnit* unit = mySelected;
            mySelected = nullptr;
            myState = State::Idle;
            unit->onAuthorize(someAnswers);
            return;
        }
        // Anything else ends the selection and counts as a byte on an idle line.
        mySelected = nullptr;
        myState = State::Idle;
        break;
    case State::Idle:
        break;
    }

    if (aByte == prefix)
    {
        endText(someAnswers);
        myMessage = {aByte};
        myState = State::Address;
        myInOther = false;
    }
    else if (aByte == UnitFrame::stx)
    {
        endText(someAnswers);
        myMessage = {aByte};
        myState = State::FrameLength;
        myInOther = false;
    }
    else if (aByte == EmulatedUnit::ack)
        addEntry(Entry::Ack, myLastSender, {aByte});
    else if (!takeText(aByte, someAnswers))
        logOther(aByte);
}

void UnitLine::takeAddress(EmulatedUnit::Answers& someAnswers)
{
    uint8_t high = myMessage[1];
    uint8_t low = myMessage[2];
    Bytes message = myMessage;
    myMessage.clear();
    myState = State::Idle;
    mySelected = nullptr;
    bool known = false;
    for (auto& entry : myUnits)
    {
        EmulatedUnit& unit = entry.second;
        if (unit.isSelectedBy(high, low))
        {
            addEntry(Entry::Select, unit.address(), message);
            mySelected = &unit;
            myState = State::Selected;
            known = true;
        }
    }
    for (auto& entry : myUnits)
    {
        EmulatedUnit& unit = entry.second;
        if (unit.isPolledBy(high, low))
        {
            addEntry(Entry::Poll, unit.address(), message);
            unit.onPoll(someAnswers);
            known = true;
        }
    }
    if (!known)
        addEntry(Entry::Other, 0, message);
}

void UnitLine::takeFrame(EmulatedUnit::Answers& someAnswers)
{
    Bytes frame = myMessage;
    myMessage.clear();
    EmulatedUnit* unit = mySelected;
    mySelected = nullptr;
    myState = State::Idle;
    addEntry(Entry::Frame, unit ? unit->address() : 0, frame);
    if (unit != nullptr)
        unit->onFrame(frame, someAnswers);
}

EmulatedUnit* UnitLine::downloadingUnit()
{
    for (auto& entry : myUnits)
        if (entry.second.inDownloadMode())
            return &entry.second;
    return nullptr;
}

// Download lines are plain text. A line ends with its line end or, when the
// lines come without one, where the next record's 'S' begins; a pause ends it too.
bool UnitLine::takeText(uint8_t aByte, EmulatedUnit::Answers& someAnswers)
{
    bool printable = aByte >= 0x20 && aByte < 0x7F;
    if (downloadingUnit() == nullptr || !(printable || aByte == '\r' || aByte == '\n'))
        return false;
    myInOther = false;
    if (aByte == '\r' || aByte == '\n')
    {
        endText(someAnswers);
        return true;
    }
    if (aByte == 'S' && !myText.empty())
        endText(someAnswers);
    myText.push_back(static_cast<char>(aByte));
    return true;
}

void UnitLine::endText(EmulatedUnit::Answers& someAnswers)
{
    if (myText.empty())
        return;
    std::string line;
    line.swap(myText);
    EmulatedUnit* unit = downloadingUnit();
    addEntry(Entry::Line, unit ? unit->address() : 0, Bytes(line.begin(), line.end()));
    if (unit != nullptr)
        unit->onLine(line, someAnswers);
}

// Consecutive stray bytes make one entry.
void UnitLine::logOther(uint8_t aByte)
{
    if (myInOther && !myLog.empty() && myLog.back().kind == Entry::Other)
        myLog.back().bytes.push_back(aByte);
    else
        addEntry(Entry::Other, 0, {aByte});
    myInOther = true;
}

void UnitLine::addEntry(Entry::Kind aKind, uint16_t anAddress, const Bytes& someBytes)
{
    myLog.push_back(Entry{aKind, anAddress, someBytes});
    myInOther = false;
}
}
