#include "Platform/Framework/MessageBox.h"

#include "Platform/Framework/Application.h"
#include "Platform/Window/Backend.h"

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
