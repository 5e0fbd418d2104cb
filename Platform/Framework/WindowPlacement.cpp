#include "Platform/Framework/WindowPlacement.h"

#include "Platform/ProfileStore.h"

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
    bool written = aProfile.writeInt(aSection, "flags", flags);
    written = aProfile.writeInt(aSection, "showCmd", showCommand) && written;
    written = aProfile.writeInt(aSection, "x1", normal.left) && written;
    written = aProfile.writeInt(aSection, "y1", normal.top) && written;
    written = aProfile.writeInt(aSection, "x2", normal.right) && written;
    written = aProfile.writeInt(aSection, "y2", normal.bottom) && written;
    return written;
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
