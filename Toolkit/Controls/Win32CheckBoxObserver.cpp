#include "Toolkit/Controls/Win32CheckBoxObserver.h"

#include "Platform/Assertion.h"
#include "Platform/Window/Window.h"
#include "Toolkit/Controls/ControlBinder.h"
#include "Toolkit/Parameter/Parameter.h"

Win32CheckBoxObserver::Win32CheckBoxObserver(Platform::Window* aCheckBox, std::int32_t aCheckedValue)
    : myCheckBox(aCheckBox), myCheckedValue(aCheckedValue)
{
    VORNA_ASSERT(aCheckBox != NULL);
    myCheckBox->setChecked(false);
}

void Win32CheckBoxObserver::update(Subject* aSubject)
{
    const Parameter* subject = ownParameter(aSubject);
    if (subject == nullptr)
    {
        return;
    }
    myDisplayedState = subject->value().toUnsignedShort() == static_cast<std::uint16_t>(myCheckedValue);
    myCheckBox->setChecked(myDisplayedState);
    myCheckBox->enable(subject->available() && subject->minimum().toShort() <= myCheckedValue &&
                       myCheckedValue <= subject->maximum().toShort());
}

void Win32CheckBoxObserver::click()
{
    if (parameter() == nullptr)
    {
        return;
    }
    const bool checked = myCheckBox->isChecked();
    myCheckBox->setChecked(myDisplayedState);
    requestValue(ParameterValue(checked ? myCheckedValue : 0));
}

void Win32CheckBoxObserver::routeNotifications(const ControlBinder& aBinder)
{
    aBinder.handle(*checkBox(), Platform::Notification::Clicked, [this]() { click(); });
}
