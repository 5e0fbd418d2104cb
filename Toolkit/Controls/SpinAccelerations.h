#pragma once

#include "Platform/Window/Window.h"

#include <vector>

// How fast an up-down runs while an arrow is held.
class SpinAccelerations
{
public:
    // Over a device address: 2 a step at once, 4 after 2 s, 16 after 4 s and
    // 64 after 8 s, so the whole bus is a few seconds away.
    static const std::vector<Platform::Window::Acceleration>& address();
};
