#include "Toolkit/Controls/ComboBoxItemTextObserver.h"

#include "Platform/Assertion.h"
#include "Platform/Window/Window.h"

ComboBoxItemTextObserver::ComboBoxItemTextObserver(std::uint32_t aPosition, Platform::Window* aComboBox)
    : BoxItemTextObserver(aPosition, aComboBox)
{
    VORNA_ASSERT(aComboBox != NULL);
    VORNA_ASSERT(aComboBox->kind() == Platform::WindowKind::ComboBox);
}
