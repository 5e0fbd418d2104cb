#pragma once

namespace UserInterface
{
// The window's side of an information message box.
class MessageImplementation
{
public:
    virtual ~MessageImplementation() = default;
    virtual void show(const char* aMessage) = 0;
};
}
