#pragma once

#include "Platform/Window/MessageBoxRequest.h"

#include <string>

namespace Platform
{
// The program's message box: the application's name as its caption, and
// when no icon is asked for, a warning for OK boxes and a question for
// Yes/No boxes. Goes through the installed backend.
//
//     MessageBox::show(error.what());
class MessageBox
{
public:
    // Returns the DialogResult code of the button chosen.
    static int show(const std::string& aText, MessageBoxButtons aButtons = MessageBoxButtons::Ok,
                    MessageBoxIcon anIcon = MessageBoxIcon::None);
    // The text of string aStringId of the application's resources.
    static int showString(unsigned aStringId, MessageBoxButtons aButtons = MessageBoxButtons::Ok,
                          MessageBoxIcon anIcon = MessageBoxIcon::None);
};
}
