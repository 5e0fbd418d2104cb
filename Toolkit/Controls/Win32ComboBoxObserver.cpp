#include "Toolkit/Controls/Win32ComboBoxObserver.h"

#include "Platform/Assertion.h"
#include "Platform/Window/Window.h"
#include "Toolkit/Controls/ControlBinder.h"
#include "Toolkit/Controls/StringResource.h"
#include "Toolkit/Parameter/Parameter.h"

Win32ComboBoxObserver::Win32ComboBoxObserver(Platform::Window* aComboBox, unsigned aFirstId, unsigned aLastId,
                                             const Platform::StringTable& aStrings)
    : myComboBox(aComboBox), myFirstId(aFirstId), myLastId(aLastId), myStrings(aStrings),
      myRange(0, static_cast<int>(static_cast<long>(aLastId) - static_cast<long>(aFirstId)))
{
    VORNA_ASSERT(aComboBox != NULL);
    for (long id = myFirstId; id <= static_cast<long>(myLastId); ++id)
    {
        myComboBox->addString(StringResource::load(myStrings, id));
    }
    myComboBox->setSelection(0);
}

std::string Win32ComboBoxObserver::textOf(int aValue) const
{
    return StringResource::load(myStrings, static_cast<long>(myFirstId) + aValue);
}

void Win32ComboBoxObserver::update(Subject* aSubject)
{
    const Parameter* subject = ownParameter(aSubject);
    if (subject == nullptr)
    {
        return;
    }
    const ItemRange::TextOf textOf = [this](int aValue) { return this->textOf(aValue); };
    myRange.followMinimum(*myComboBox, subject->minimum().toShort(), textOf);
    myRange.followMaximum(*myComboBox, subject->maximum().toShort(), textOf);
    myDisplayedIndex = subject->value().toShort() - myRange.bottom();
    myComboBox->setSelection(myDisplayedIndex);
    myComboBox->enable(subject->available());
}

void Win32ComboBoxObserver::selectionChange()
{
    if (parameter() == nullptr)
    {
        return;
    }
    const int picked = myComboBox->selection();
    myComboBox->setSelection(myDisplayedIndex);
    // A box without a selection names no value.
    if (picked >= 0)
    {
        requestValue(ParameterValue(myRange.bottom() + picked));
    }
}

void Win32ComboBoxObserver::routeNotifications(const ControlBinder& aBinder)
{
    aBinder.handle(*comboBox(), Platform::Notification::SelectionChanged, [this]() { selectionChange(); });
}
