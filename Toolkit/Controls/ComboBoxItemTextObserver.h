#pragma once

#include "Toolkit/Controls/BoxItemTextObserver.h"

// The item text observer of a combo box: item aPosition shows the name.
class ComboBoxItemTextObserver : public BoxItemTextObserver
{
public:
    ComboBoxItemTextObserver(std::uint32_t aPosition, Platform::Window* aComboBox);
};
