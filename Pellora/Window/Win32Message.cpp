#include "Pellora/Window/Win32Message.h"

#include "Platform/Assertion.h"
#include "Platform/Framework/MessageBox.h"

namespace Win32Implementation
{
void Win32Message::show(const char* aMessage)
{
    VORNA_ASSERT(aMessage != NULL);
    Platform::MessageBox::show(aMessage, Platform::MessageBoxButtons::Ok, Platform::MessageBoxIcon::Information);
}
}
