#pragma once

#include "Toolkit/Controls/ControlObserver.h"

#include <string>

class TextConverter;

namespace Platform
{
class Window;
}

// Binds an edit control to a parameter through a text converter: shows the
// formatted value, and commits what the user typed as a request.
class Win32EditObserver : public ControlObserver
{
public:
    // Does not own the control or the converter. Clears the control's text.
    Win32EditObserver(Platform::Window* anEditControl, const TextConverter* aConverter);

    void update(Subject* aSubject) override;
    // Asks the parameter for the value of the control's text. False while the
    // observer itself sets the text, when the text is what the control last
    // showed or accepted, when the converter
    // rejects it, or without a parameter. The typed text stays in the control
    // (also while the parameter notifies) until the next refresh.
    virtual bool commit();
    // Puts the control back to the value the parameter holds.
    virtual void refresh();
    // The typing, committed as it comes, and the loss of focus, which puts the value back.
    void routeNotifications(const ControlBinder& aBinder) override;

    const std::string& displayedText() const { return myDisplayedText; }
    Platform::Window* editControl() const { return myEditControl; }

private:
    class CommitScope;

    Platform::Window* myEditControl;
    const TextConverter* myConverter;
    std::string myDisplayedText;
    bool myCommitting = false;
    bool myShowing = false;
    std::string myScratch;
};
