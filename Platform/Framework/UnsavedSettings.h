#pragma once

#include <string>

namespace Platform
{
class ProfileStore;

// Tells of settings that could not be written where no caller is left to be
// told (on the way out, in a destructor): on the standard error, naming the
// file. The program goes on with the settings in memory.
void reportUnsavedSettings(const ProfileStore& aProfile, const std::string& aWhat);
}
