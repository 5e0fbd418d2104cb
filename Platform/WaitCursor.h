#pragma once

#include <functional>

namespace Platform
{
// The application's wait cursor: a counted, nestable state. Each begin is
// matched by one end; the cursor shows while the count is above 0. Holding a
// WaitCursor object begins it for the object's lifetime, so it also ends when
// an exception leaves the scope.
//
// Until a window layer installs a hook, the count is all there is. The hook
// learns when the cursor should appear (true) and disappear (false).
class WaitCursor
{
public:
    typedef std::function<void(bool aShown)> Hook;

    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

    static void begin();
    // An end without a begin is ignored; the count never goes below 0.
    static void end();
    static unsigned depth();
    static void setHook(const Hook& aHook);
};
}
