#include "Pellora/Window/Win32Question.h"

#include "Platform/Assertion.h"
#include "Platform/Framework/MessageBox.h"
#include "Platform/Window/DialogResult.h"

namespace Win32Implementation
{
bool Win32Question::ask(const char* aQuestion)
{
    VORNA_ASSERT(aQuestion != NULL);
    return Platform::MessageBox::show(aQuestion, Platform::MessageBoxButtons::YesNo,
                                      Platform::MessageBoxIcon::Question) == Platform::DialogResult::yes;
}
}
