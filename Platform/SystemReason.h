#pragma once

#include <string>

namespace Platform
{
// aText followed by the system's words for anError (an errno value):
// "Error opening /tmp/x.vnb: Permission denied". aText alone for 0.
std::string withReason(const std::string& aText, int anError);
}
