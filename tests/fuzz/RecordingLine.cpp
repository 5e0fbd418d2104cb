#include "tests/fuzz/RecordingLine.h"

#include <chrono>

void RecordingLine::write(const unsigned char* aBytes, std::uint32_t aCount)
{
    Emulator::EmulatedUnit::Answers answers;
    myLine.receive(Emulator::Bytes(aBytes, aBytes + aCount), answers);
    take(answers);
}

std::uint32_t RecordingLine::read(unsigned char* aBuffer, std::uint32_t aCount)
{
    if (myIncoming.size() < aCount)
    {
        // The program waits: the line has paused, which ends a text line.
        Emulator::EmulatedUnit::Answers answers;
        myLine.pause(answers);
        take(answers);
    }
    std::uint32_t received = 0;
    while (received < aCount && !myIncoming.empty())
    {
        aBuffer[received++] = myIncoming.front();
        myIncoming.pop_front();
    }
    if (received < aCount)
    {
        myRecords.silence();
        myTime.sleepFor(std::chrono::milliseconds(myTimeout));
    }
    return received;
}

void RecordingLine::take(const Emulator::EmulatedUnit::Answers& someAnswers)
{
    for (const Emulator::EmulatedUnit::Answer& answer : someAnswers)
    {
        if (answer.hangUp)
        {
            continue;
        }
        const ByteString bytes(answer.bytes.begin(), answer.bytes.end());
        if (Emulator::UnitFrame::isIntact(answer.bytes))
        {
            const Emulator::Bytes data = Emulator::UnitFrame::data(answer.bytes);
            myRecords.frame(ByteString(data.begin(), data.end()));
        }
        else
        {
            myRecords.raw(bytes);
        }
        myIncoming.insert(myIncoming.end(), bytes.begin(), bytes.end());
    }
}
