#include "tests/fuzz/DeviceSession.h"

#include "tests/fuzz/OnlineDevice.h"

#include "Models/ParameterTable.h"
#include "Toolkit/Parameter/ControlParameter.h"
#include "Toolkit/Parameter/VornaException.h"

#include <functional>
#include <iterator>
#include <sstream>
#include <string>

namespace
{
// One step; the program's own error ends the step, not the session.
void step(const std::function<void()>& aStep)
{
    try
    {
        aStep();
    }
    catch (const VornaException&)
    {
    }
}
}

DeviceSession DeviceSession::read(FuzzInput& anInput)
{
    DeviceSession session;
    session.model = modelChoice(anInput.byte());
    session.polls = anInput.byte() % 16;
    for (int i = 0; i < editCount; ++i)
    {
        Edit edit;
        edit.pick = anInput.word();
        edit.number = anInput.word();
        edit.textLength = anInput.byte();
        session.edits.push_back(edit);
    }
    session.refresh = (anInput.byte() & 1) != 0;
    return session;
}

void DeviceSession::write(FuzzOutput& anOutput) const
{
    anOutput.byte(modelByte(model)).byte(polls);
    for (int i = 0; i < editCount; ++i)
    {
        const Edit edit = i < static_cast<int>(edits.size()) ? edits[i] : Edit();
        anOutput.word(edit.pick).word(edit.number).byte(edit.textLength);
    }
    anOutput.byte(refresh ? 1 : 0);
}

void DeviceSession::run(SerialDeviceImplementation& aLine) const
{
    OnlineDevice device(model, &aLine);
    for (int poll = 0; poll < polls; ++poll)
    {
        step([&] { device.pollNext(); });
    }
    auto& controls = device.parameterTable().controlCollection().parameters();
    for (const Edit& edit : edits)
    {
        if (controls.empty())
        {
            break;
        }
        auto chosen = std::next(controls.begin(), edit.pick % controls.size());
        const ParameterValue value = edit.textLength == 0xFF
                                         ? ParameterValue(static_cast<std::int16_t>(edit.number))
                                         : ParameterValue(std::string(edit.textLength % 64, 'A' + edit.number % 26));
        step([&] { device.parameterTable().setControlValue(chosen->first, value); });
    }
    if (refresh)
    {
        step([&] { device.refresh(); });
    }
    step([&] { device.pollNext(); });
    std::ostringstream saved(std::ios::binary);
    device.saveConfiguration(saved);
    std::ostringstream text;
    device.writeTextReport(text, "fuzz");
    std::ostringstream html;
    device.writeHtmlReport(html, "fuzz");
}
