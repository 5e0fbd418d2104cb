#include "Platform/Window/WindowKind.h"

namespace Platform
{
const char* kindName(WindowKind aKind)
{
    switch (aKind)
    {
    case WindowKind::Frame:
        return "frame";
    case WindowKind::Dialog:
        return "dialog";
    case WindowKind::Button:
        return "button";
    case WindowKind::CheckBox:
        return "check box";
    case WindowKind::RadioButton:
        return "radio button";
    case WindowKind::ComboBox:
        return "combo box";
    case WindowKind::Edit:
        return "edit";
    case WindowKind::UpDown:
        return "up-down";
    case WindowKind::ListBox:
        return "list box";
    case WindowKind::Static:
        return "static";
    case WindowKind::GroupBox:
        return "group box";
    case WindowKind::TabControl:
        return "tab control";
    case WindowKind::ProgressBar:
        return "progress bar";
    case WindowKind::ToolBar:
        return "tool bar";
    case WindowKind::StatusBar:
        return "status bar";
    }
    return "window";
}
}
