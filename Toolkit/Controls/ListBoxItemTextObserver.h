#pragma once

#include "Toolkit/Controls/BoxItemTextObserver.h"

// The item text observer of a list box: item aPosition shows the name.
class ListBoxItemTextObserver : public BoxItemTextObserver
{
public:
    ListBoxItemTextObserver(std::uint32_t aPosition, Platform::Window* aListBox);
};
