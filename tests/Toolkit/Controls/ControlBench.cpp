#include "ControlBench.h"

ControlBench::ControlBench()
    : user(backend), dialog(Platform::WindowKind::Dialog, 100, "Panel"), protocol(&unit)
{
    dialog.move(Platform::Rectangle(0, 0, 400, 300));
    user.lookAt(dialog);
}

ControlBench::~ControlBench()
{
    user.finish();
}

Platform::Window& ControlBench::addControl(Platform::WindowKind aKind, int anId, const Platform::WindowStyle& aStyle)
{
    return dialog.createChild(aKind, anId, "", aStyle, Platform::Rectangle(0, 0, 100, 20));
}

ControlParameter& ControlBench::addParameter(std::int8_t anIndex, int aMinimum, int aMaximum)
{
    myParameters.push_back(std::make_unique<ControlParameter>(&protocol, ParameterId('B', anIndex),
                                                              ParameterValue(aMinimum), ParameterValue(aMaximum)));
    return *myParameters.back();
}

void ControlBench::report(ControlParameter& aParameter, int aValue)
{
    ParameterValueMap values;
    values[aParameter.id()] = ParameterValue(aValue);
    aParameter.update(values);
    aParameter.notify();
}

std::vector<int> ControlBench::writtenValues() const
{
    std::vector<int> values;
    for (const auto& write : unit.writes)
    {
        values.push_back(write.second.toShort());
    }
    return values;
}
