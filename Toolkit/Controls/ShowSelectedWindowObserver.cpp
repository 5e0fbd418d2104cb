#include "Toolkit/Controls/ShowSelectedWindowObserver.h"

#include "Platform/Assertion.h"
#include "Platform/Window/Window.h"
#include "Toolkit/Parameter/Parameter.h"

ShowSelectedWindowObserver::ShowSelectedWindowObserver(Parameter* aSubject, std::uint32_t aCount,
                                                       Platform::Window* const* aFirstWindow)
    : myCount(aCount), myFirstWindow(aFirstWindow)
{
    VORNA_ASSERT(aSubject != NULL);
    VORNA_ASSERT(aFirstWindow != NULL || aCount == 0);
    aSubject->attach(this);
}

void ShowSelectedWindowObserver::update(Subject* aSubject)
{
    const Parameter* subject = ownParameter(aSubject);
    if (subject == nullptr)
    {
        return;
    }
    const std::int16_t value = subject->value().toShort();
    if (value == myLastValue)
    {
        return;
    }
    myLastValue = value;
    // Widened, so that value 0 selects no window rather than the last one.
    const std::int64_t selected = static_cast<std::int64_t>(value) - 1;
    for (std::uint32_t index = 0; index < myCount; ++index)
    {
        Platform::Window* window = myFirstWindow[index];
        if (window == nullptr)
        {
            continue;
        }
        const bool chosen = static_cast<std::int64_t>(index) == selected;
        window->show(chosen);
        window->enable(chosen);
    }
}
