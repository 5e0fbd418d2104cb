#pragma once

namespace Platform
{
// The sizes a main window may take when the user drags its border, in
// pixels. The framework fills in the system's; a frame's handler may change them.
struct MinMaxInfo
{
    int minimumTrackWidth = 0;
    int minimumTrackHeight = 0;
    int maximumTrackWidth = 0;
    int maximumTrackHeight = 0;
};
}
