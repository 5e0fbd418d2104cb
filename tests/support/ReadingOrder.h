#pragma once

#include "Platform/Window/DialogTemplate.h"

#include <string>

// Whether Tab walks a template's stops in the order a person reads them: top
// to bottom and left to right, a column to the right starting again at its
// top. Returns the first step that breaks it, as "from -> to", or "" when
// none does.
std::string readingOrderFault(const Platform::DialogTemplate& aTemplate);
