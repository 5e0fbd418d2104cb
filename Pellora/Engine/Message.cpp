#include "Pellora/Engine/Message.h"

#include "Platform/Assertion.h"

#include <utility>

namespace UserInterface
{
Message::Message(std::unique_ptr<MessageImplementation> anImplementation)
{
    VORNA_ASSERT(anImplementation != NULL);
    myImplementation = std::move(anImplementation);
}

void Message::show(const char* aMessage)
{
    VORNA_ASSERT(aMessage != NULL);
    myImplementation->show(aMessage);
}
}
