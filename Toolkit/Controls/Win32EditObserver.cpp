#include "Toolkit/Controls/Win32EditObserver.h"

#include "Platform/Assertion.h"
#include "Platform/Window/Window.h"
#include "Toolkit/Controls/ControlBinder.h"
#include "Toolkit/Parameter/Parameter.h"
#include "Toolkit/Parameter/TextConverter.h"

// Holds the committing flag for a whole commit, also when the request throws.
class Win32EditObserver::CommitScope
{
public:
    explicit CommitScope(bool& aFlag) : myFlag(aFlag) { myFlag = true; }
    ~CommitScope() { myFlag = false; }
    CommitScope(const CommitScope&) = delete;
    CommitScope& operator=(const CommitScope&) = delete;

private:
    bool& myFlag;
};

Win32EditObserver::Win32EditObserver(Platform::Window* anEditControl, const TextConverter* aConverter)
    : myEditControl(anEditControl), myConverter(aConverter)
{
    VORNA_ASSERT(anEditControl != NULL && aConverter != NULL);
    myShowing = true;
    myEditControl->setText("");
    myShowing = false;
}

void Win32EditObserver::update(Subject* aSubject)
{
    const Parameter* subject = ownParameter(aSubject);
    if (subject == nullptr || myCommitting)
    {
        return;
    }
    // Setting the text notifies a change as typing does; a commit routed from
    // there must not send the shown value back to the unit (a masked word
    // would make it differ from itself).
    myDisplayedText = myConverter->format(subject->value());
    myShowing = true;
    try
    {
        myEditControl->setText(myDisplayedText);
    }
    catch (...)
    {
        myShowing = false;
        throw;
    }
    myShowing = false;
    myEditControl->enable(subject->available());
}

bool Win32EditObserver::commit()
{
    if (myShowing)
    {
        return false;
    }
    const CommitScope scope(myCommitting);
    if (parameter() == nullptr || myEditControl == nullptr)
    {
        return false;
    }
    myScratch = myEditControl->text();
    // The one word that must never reach a unit's display.
    static const std::string word = "fuck";
    const std::string::size_type place = myScratch.find(word);
    if (place != std::string::npos)
    {
        myScratch.replace(place, word.size(), "$#*!");
    }
    if (myScratch == myDisplayedText)
    {
        return false;
    }
    ParameterValue value;
    if (!myConverter->parse(myScratch, value))
    {
        return false;
    }
    requestValue(value);
    myDisplayedText = myScratch;
    return true;
}

void Win32EditObserver::refresh()
{
    if (mySubject != nullptr)
    {
        update(mySubject);
    }
}

void Win32EditObserver::routeNotifications(const ControlBinder& aBinder)
{
    aBinder.handle(*editControl(), Platform::Notification::EditChanged, [this]() { commit(); });
    aBinder.routeFocusLost(this);
}
