#pragma once

#include "Platform/Window/Rectangle.h"

#include <optional>
#include <string>

namespace Platform
{
class ProfileStore;

// Where a main window stands: its flags, how it is shown and its normal
// (restored) rectangle, as the programs keep them in their profile under the
// values "flags", "showCmd", "x1", "y1", "x2", "y2".
struct WindowPlacement
{
    // How a window is shown.
    static constexpr int hide = 0;
    static constexpr int showNormal = 1;
    static constexpr int showMinimized = 2;
    static constexpr int showMaximized = 3;

    int flags = 0;
    int showCommand = showNormal;
    Rectangle normal;

    // Empty when any of the six values is missing or -1.
    [[nodiscard]] static std::optional<WindowPlacement> read(const ProfileStore& aProfile, const std::string& aSection);
    // False when a value could not be written (the others are still tried).
    [[nodiscard]] bool write(ProfileStore& aProfile, const std::string& aSection) const;
    // Keeps the top left corner on the screen by at least one icon's size:
    // a left (top) at or past the screen's width (height) less the icon's
    // comes back to that limit. Right and bottom stay.
    void keepReachable(int aScreenWidth, int aScreenHeight, int anIconWidth, int anIconHeight);
};
}
