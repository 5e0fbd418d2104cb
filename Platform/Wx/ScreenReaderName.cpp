#include "Platform/Wx/ScreenReaderName.h"

#include <wx/window.h>

#include <gtk/gtk.h>

namespace Platform
{
void setScreenReaderName(wxWindow& aWidget, const std::string& aName)
{
    GtkWidget* widget = aWidget.GetHandle();
    AtkObject* accessible = widget != nullptr ? gtk_widget_get_accessible(widget) : nullptr;
    if (accessible != nullptr)
    {
        atk_object_set_name(accessible, aName.c_str());
    }
}

std::string screenReaderName(wxWindow& aWidget)
{
    GtkWidget* widget = aWidget.GetHandle();
    AtkObject* accessible = widget != nullptr ? gtk_widget_get_accessible(widget) : nullptr;
    const char* name = accessible != nullptr ? atk_object_get_name(accessible) : nullptr;
    return name != nullptr ? name : std::string();
}
}
