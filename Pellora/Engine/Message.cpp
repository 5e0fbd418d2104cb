#include "Pellora/Engine/Message.h"

#include "Platform/Assertion.h"

namespace UserInterface
{
Message::Message(MessageImplementation* anImplementation)
    : myImplementation(anImplementation)
{
    VORNA_ASSERT(anImplementation != NULL);
}

void Message::show(const char* aMessage)
{
    VORNA_ASSERT(aMessage != NULL);
    myImplementation->show(aMessage);
}
}
