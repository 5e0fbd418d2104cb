#pragma once

#include "Pellora/Engine/ProgressDisplayImplementation.h"

#include <memory>

namespace UserInterface
{
// Owns one progress-bar implementation for the length of a statement.
class ProgressDisplay
{
public:
    explicit ProgressDisplay(std::unique_ptr<ProgressDisplayImplementation> anImplementation);

    void set(float aFraction);

private:
    std::unique_ptr<ProgressDisplayImplementation> myImplementation;
};
}
