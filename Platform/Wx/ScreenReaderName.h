#pragma once

#include <string>

class wxWindow;

namespace Platform
{
// The name a screen reader says for a widget: a tool's tip, a field's label.
void setScreenReaderName(wxWindow& aWidget, const std::string& aName);
std::string screenReaderName(wxWindow& aWidget);
}
