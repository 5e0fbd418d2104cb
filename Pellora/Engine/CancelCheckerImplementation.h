#pragma once

namespace UserInterface
{
// The window's side of the cancel check: keeps the window live between steps
// of a run and ends the run when the operator stops it or the program closes.
class CancelCheckerImplementation
{
public:
    virtual ~CancelCheckerImplementation() = default;
    // True to go on; throws Win32Implementation::CancelException after Stop
    // and Win32Implementation::ExitException when the program is closing.
    virtual bool check() = 0;
};
}
