#pragma once

namespace UserInterface
{
// The window's side of a text field (the messages or the current file). A new
// one clears its field.
class TextDisplayImplementation
{
public:
    virtual ~TextDisplayImplementation() = default;
    virtual void tell(const char* aStatement) = 0;
};
}
