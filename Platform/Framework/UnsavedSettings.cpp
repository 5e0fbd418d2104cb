#include "Platform/Framework/UnsavedSettings.h"

#include "Platform/ProfileStore.h"

#include <iostream>

namespace Platform
{
void reportUnsavedSettings(const ProfileStore& aProfile, const std::string& aWhat)
{
    std::cerr << aWhat << " could not be saved in " << aProfile.filePath() << '\n';
}
}
