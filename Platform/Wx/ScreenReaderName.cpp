#include "Platform/Wx/ScreenReaderName.h"

#include <wx/window.h>

#include <gtk/gtk.h>

namespace Platform
{
void setScreenReaderName(wxWindow& aWidget, const std::string& aName)
{
    GtkWidget* widget = aWidget.GetHandle();
    AtkObject* accessible = widget != NULL ? gtk_widget_get_accessible(widget) : NULL;
    if (accessible != NULL)
    {
        atk_object_set_name(accessible, aName.c_str());
    }
}

std::string screenReaderName(wxWindow& aWidget)
{
    GtkWidget* widget = aWidget.GetHandle();
    AtkObject* accessible = widget != NULL ? gtk_widget_get_accessible(widget) : NULL;
    const char* name = accessible != NULL ? atk_object_get_name(accessible) : NULL;
    return name != NULL ? name : std::string();
}
}
