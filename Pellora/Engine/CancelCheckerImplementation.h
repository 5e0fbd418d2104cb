#pragma once

namespace UserInterface
{
// The window's side of the cancel check: keeps the window live between steps
// of a run and ends the run when the operator stops it or the program closes.
class CancelCheckerImplementation
{
public:
    virtual ~CancelCheckerImplementation() = default;
    // Returns to go on; throws Win32Implementation::CancelException after
    // Stop and Win32Implementation::ExitException when the program is closing.
    virtual void check() = 0;
    // As check, but handles only what the operator has done since, without
    // the window's idle processing: cheap enough for the moment between two
    // lines on the wire. Nothing to handle by default.
    virtual void checkPending() {}
};
}
