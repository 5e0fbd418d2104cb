#include "Platform/Framework/MessageBox.h"

#include "Platform/Framework/Application.h"
#include "Platform/Window/Backend.h"
#include "Platform/Window/Resources.h"

namespace Platform
{
int MessageBox::show(const std::string& aText, MessageBoxButtons aButtons, MessageBoxIcon anIcon)
{
    MessageBoxRequest request;
    request.text = aText;
    request.buttons = aButtons;
    request.icon = anIcon;
    if (anIcon == MessageBoxIcon::None)
    {
        const bool asks = aButtons == MessageBoxButtons::YesNo || aButtons == MessageBoxButtons::YesNoCancel;
        request.icon = asks ? MessageBoxIcon::Question : MessageBoxIcon::Warning;
    }
    if (Application::exists())
    {
        request.caption = Application::current().name();
    }
    return Backend::current().showMessageBox(request);
}
}

namespace Platform
{
int MessageBox::showString(unsigned aStringId, MessageBoxButtons aButtons, MessageBoxIcon anIcon)
{
    const std::optional<std::string> text = Application::current().resources().strings().find(aStringId);
    // A missing string is a fault of the program's resources: its id still tells which message it was.
    return show(text ? *text : "Message " + std::to_string(aStringId), aButtons, anIcon);
}
}
