#include "Platform/Framework/WindowPlacement.h"

#include "Platform/ProfileStore.h"

#include <string>

namespace Platform
{
std::optional<WindowPlacement> WindowPlacement::read(const ProfileStore& aProfile, const std::string& aSection)
{
    int values[6];
    const char* const names[6] = {"flags", "showCmd", "x1", "y1", "x2", "y2"};
    for (int index = 0; index < 6; ++index)
    {
        values[index] = aProfile.getInt(aSection, names[index], -1);
        if (values[index] == -1)
        {
            return std::optional<WindowPlacement>();
        }
    }
    WindowPlacement placement;
    placement.flags = values[0];
    placement.showCommand = values[1];
    placement.normal = Rectangle(values[2], values[3], values[4], values[5]);
    return placement;
}

bool WindowPlacement::write(ProfileStore& aProfile, const std::string& aSection) const
{
    // One write, so that two windows closed together never leave a mixture of their placements.
    return aProfile.writeStrings(aSection, {{"flags", std::to_string(flags)},
                                            {"showCmd", std::to_string(showCommand)},
                                            {"x1", std::to_string(normal.left)},
                                            {"y1", std::to_string(normal.top)},
                                            {"x2", std::to_string(normal.right)},
                                            {"y2", std::to_string(normal.bottom)}});
}

void WindowPlacement::keepReachable(int aScreenWidth, int aScreenHeight, int anIconWidth, int anIconHeight)
{
    if (normal.left >= aScreenWidth - anIconWidth)
    {
        normal.left = aScreenWidth - anIconWidth;
    }
    if (normal.top >= aScreenHeight - anIconHeight)
    {
        normal.top = aScreenHeight - anIconHeight;
    }
}
}
