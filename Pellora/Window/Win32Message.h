#pragma once

#include "Pellora/Engine/MessageImplementation.h"

namespace Win32Implementation
{
// Shows a script's message in a message box with the information icon.
class Win32Message : public UserInterface::MessageImplementation
{
public:
    void show(const char* aMessage) override;
};
}
