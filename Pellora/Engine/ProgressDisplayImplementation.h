#pragma once

namespace UserInterface
{
// The window's side of the progress bar.
class ProgressDisplayImplementation
{
public:
    virtual ~ProgressDisplayImplementation() = default;
    // aFraction runs from 0 to 1.
    virtual void set(float aFraction) = 0;
};
}
