#pragma once

namespace Platform
{
// The codes with which dialogs and message boxes end: the ids of their
// standard buttons.
struct DialogResult
{
    static constexpr int ok = 1;
    static constexpr int cancel = 2;
    static constexpr int abort = 3;
    static constexpr int retry = 4;
    static constexpr int ignore = 5;
    static constexpr int yes = 6;
    static constexpr int no = 7;
};
}
