#include "Platform/Window/MessageBoxRequest.h"

#include "Platform/Window/DialogResult.h"

#include <algorithm>

namespace Platform
{
std::vector<int> MessageBoxRequest::answers() const
{
    switch (buttons)
    {
    case MessageBoxButtons::Ok:
        return {DialogResult::ok};
    case MessageBoxButtons::OkCancel:
        return {DialogResult::ok, DialogResult::cancel};
    case MessageBoxButtons::YesNo:
        return {DialogResult::yes, DialogResult::no};
    case MessageBoxButtons::YesNoCancel:
        return {DialogResult::yes, DialogResult::no, DialogResult::cancel};
    case MessageBoxButtons::RetryCancel:
        return {DialogResult::retry, DialogResult::cancel};
    case MessageBoxButtons::AbortRetryIgnore:
        return {DialogResult::abort, DialogResult::retry, DialogResult::ignore};
    }
    return {DialogResult::ok};
}

int MessageBoxRequest::dismissal() const
{
    const std::vector<int> codes = answers();
    if (std::find(codes.begin(), codes.end(), DialogResult::cancel) != codes.end())
    {
        return DialogResult::cancel;
    }
    return buttons == MessageBoxButtons::Ok ? DialogResult::ok : 0;
}
}
