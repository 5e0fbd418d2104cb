#pragma once

#include <string>

namespace Platform
{
class ProfileStore;

// Tells of settings that could not be written, naming the file and, where
// the system gave one, the reason: "The window placement could not be saved
// in /home/op/.config/Vorna/Tessiva.ini: Is a directory". Always on the
// standard error; the first time in a program's run also in a message box,
// so that a person sees it, not every time (each later write would fail
// alike). The program goes on with the settings in memory.
void reportUnsavedSettings(const ProfileStore& aProfile, const std::string& aWhat);
}
