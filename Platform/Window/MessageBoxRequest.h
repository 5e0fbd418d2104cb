#pragma once

#include <string>
#include <vector>

namespace Platform
{
enum class MessageBoxButtons
{
    Ok,
    OkCancel,
    YesNo,
    YesNoCancel,
    RetryCancel,
    AbortRetryIgnore
};

enum class MessageBoxIcon
{
    None,
    Information,
    Question,
    Warning,
    Error
};

// A message box as the program asks for it; answered with a DialogResult code.
struct MessageBoxRequest
{
    std::string text;
    std::string caption;
    MessageBoxButtons buttons = MessageBoxButtons::Ok;
    MessageBoxIcon icon = MessageBoxIcon::None;

    // The codes of its buttons, in order.
    std::vector<int> answers() const;
    // Closing the box with Escape or its close box: Cancel where there is one,
    // OK on a box with OK alone; 0 where the box must be answered by a button.
    int dismissal() const;
};
}
