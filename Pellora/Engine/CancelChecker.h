#pragma once

#include "Pellora/Engine/CancelCheckerImplementation.h"

#include <memory>

namespace UserInterface
{
// Owns one cancel-check implementation for the length of a statement.
class CancelChecker
{
public:
    explicit CancelChecker(std::unique_ptr<CancelCheckerImplementation> anImplementation);

    void check();
    void checkPending();

private:
    std::unique_ptr<CancelCheckerImplementation> myImplementation;
};
}
