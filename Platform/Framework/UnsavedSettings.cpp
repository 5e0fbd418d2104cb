#include "Platform/Framework/UnsavedSettings.h"

#include "Platform/Framework/Application.h"
#include "Platform/Framework/MessageBox.h"
#include "Platform/ProfileStore.h"
#include "Platform/SystemReason.h"

#include <iostream>

namespace Platform
{
void reportUnsavedSettings(const ProfileStore& aProfile, const std::string& aWhat, SettingsReport aReport)
{
    const int reason = aProfile.lastError() > 0 ? aProfile.lastError() : 0;
    const std::string text = withReason(aWhat + " could not be saved in " + aProfile.filePath(), reason);
    std::cerr << text << '\n';
    // Without an application there is no window to tell it in.
    if (aReport == SettingsReport::WindowToo && Application::exists() && !Application::current().isClosing() &&
        Application::current().firstUnsavedSettings())
    {
        MessageBox::show(text);
    }
}
}
