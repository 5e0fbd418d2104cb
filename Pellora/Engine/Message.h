#pragma once

#include "Pellora/Engine/MessageImplementation.h"

#include <memory>

namespace UserInterface
{
// Owns one message-box implementation for the length of a statement.
class Message
{
public:
    explicit Message(std::unique_ptr<MessageImplementation> anImplementation);

    void show(const char* aMessage);

private:
    std::unique_ptr<MessageImplementation> myImplementation;
};
}
