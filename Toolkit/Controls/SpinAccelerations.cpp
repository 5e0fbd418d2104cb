#include "Toolkit/Controls/SpinAccelerations.h"

const std::vector<Platform::Window::Acceleration>& SpinAccelerations::address()
{
    static const std::vector<Platform::Window::Acceleration> steps = {{0, 2}, {2, 4}, {4, 16}, {8, 64}};
    return steps;
}
