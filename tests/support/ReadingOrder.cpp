#include "tests/support/ReadingOrder.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace
{
// A combo box's height in a template includes its drop-down list; on the
// window it is one line.
const int theComboLineHeight = 14;

bool takesFocus(Platform::WindowKind aKind)
{
    switch (aKind)
    {
    case Platform::WindowKind::Button:
    case Platform::WindowKind::CheckBox:
    case Platform::WindowKind::RadioButton:
    case Platform::WindowKind::ComboBox:
    case Platform::WindowKind::Edit:
    case Platform::WindowKind::ListBox:
    case Platform::WindowKind::TabControl:
        return true;
    default:
        return false;
    }
}

std::string describe(const Platform::DialogTemplate::Control& aControl)
{
    const Platform::Rectangle& box = aControl.bounds;
    return "id " + std::to_string(aControl.id) + " \"" + aControl.text + "\" at (" + std::to_string(box.left) + "," +
           std::to_string(box.top) + ")";
}

// The walk so far: the places visited, and the left edge of the column Tab
// went back up into, which the stops after it keep to until a row below
// everything visited starts afresh.
struct Walk
{
    std::vector<Platform::Rectangle> visited;
    int columnLeft = std::numeric_limits<int>::min();
};

// Whether aTo, inside the group boxes someGroups, may come next; takes it
// into the walk. A group box counts as visited with its first stop.
bool inReadingOrder(Walk& aWalk, const Platform::Rectangle& aTo, const std::vector<Platform::Rectangle>& someGroups)
{
    std::vector<Platform::Rectangle>& visited = aWalk.visited;
    if (visited.empty())
    {
        visited.insert(visited.end(), someGroups.begin(), someGroups.end());
        visited.push_back(aTo);
        return true;
    }
    const Platform::Rectangle& from = visited.back();
    // What was visited around aTo, less the group boxes aTo lies in.
    std::vector<Platform::Rectangle> around;
    for (const Platform::Rectangle& place : visited)
    {
        if (!place.contains(aTo.left, aTo.top))
        {
            around.push_back(place);
        }
    }
    const bool sameRow = aTo.top < from.bottom && from.top < aTo.bottom;
    const bool belowAll = std::all_of(around.begin(), around.end(),
                                      [&aTo](const Platform::Rectangle& aPlace) { return aTo.top >= aPlace.bottom; });
    bool inOrder = true;
    if (belowAll)
    {
        aWalk.columnLeft = std::numeric_limits<int>::min();
    }
    else if (sameRow)
    {
        // Several controls in one place (only one of them shows) count as one.
        inOrder = aTo.left >= from.left;
    }
    else if (aTo.top >= from.bottom)
    {
        inOrder = aTo.left >= aWalk.columnLeft;
    }
    else
    {
        // Back up only to the top of a new column: nothing visited from its
        // row down lies right of its left edge. The column is as wide as the
        // group boxes it starts in.
        inOrder = std::none_of(around.begin(), around.end(), [&aTo](const Platform::Rectangle& aPlace) {
            return aPlace.bottom > aTo.top && aPlace.right > aTo.left;
        });
        aWalk.columnLeft = aTo.left;
        for (const Platform::Rectangle& group : someGroups)
        {
            aWalk.columnLeft = std::min(aWalk.columnLeft, group.left);
        }
    }
    visited.insert(visited.end(), someGroups.begin(), someGroups.end());
    visited.push_back(aTo);
    return inOrder;
}
}

std::string readingOrderFault(const Platform::DialogTemplate& aTemplate)
{
    const Platform::DialogTemplate::Control* last = nullptr;
    Walk walk;
    for (const Platform::DialogTemplate::Control& control : aTemplate.controls())
    {
        if (takesFocus(control.kind) && control.style.tabStop)
        {
            Platform::Rectangle place = control.bounds;
            if (control.kind == Platform::WindowKind::ComboBox)
            {
                place.bottom = std::min(place.bottom, place.top + theComboLineHeight);
            }
            std::vector<Platform::Rectangle> groups;
            for (const Platform::DialogTemplate::Control& group : aTemplate.controls())
            {
                if (group.kind == Platform::WindowKind::GroupBox && group.bounds.contains(place.left, place.top))
                {
                    groups.push_back(group.bounds);
                }
            }
            if (!inReadingOrder(walk, place, groups))
            {
                return describe(*last) + " -> " + describe(control);
            }
            last = &control;
        }
    }
    return "";
}
