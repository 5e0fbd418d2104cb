#pragma once

#include <string>

namespace Platform
{
class ProfileStore;

// Where a failure to write settings may be told.
enum class SettingsReport
{
    // In a message box too: the program runs on as usual.
    WindowToo,
    // On the standard error only: while the program closes or quits, where a
    // modal box would hold up the exit (one asked for by a signal too), and
    // in a destructor, which may run while an exception unwinds.
    StandardErrorOnly
};

// Tells of settings that could not be written, naming the file and, where
// the system gave one, the reason: "The window placement could not be saved
// in /home/op/.config/Vorna/Tessiva.ini: Is a directory". Always on the
// standard error; with aReport WindowToo the first time in a program's run
// also in a message box, so that a person sees it, not every time (each later
// write would fail alike), unless the program is closing by then. The program
// goes on with the settings in memory.
void reportUnsavedSettings(const ProfileStore& aProfile, const std::string& aWhat, SettingsReport aReport);
}
