#include "Toolkit/Controls/ListBoxItemTextObserver.h"

#include "Platform/Assertion.h"
#include "Platform/Window/Window.h"

ListBoxItemTextObserver::ListBoxItemTextObserver(std::uint32_t aPosition, Platform::Window* aListBox)
    : BoxItemTextObserver(aPosition, aListBox)
{
    VORNA_ASSERT(aListBox != NULL);
    VORNA_ASSERT(aListBox->kind() == Platform::WindowKind::ListBox);
}
