#include "Toolkit/Controls/Win32TwoBitmapButtonObserver.h"

#include "Platform/Assertion.h"
#include "Toolkit/Controls/ButtonCoordinator.h"
#include "Toolkit/Controls/ValuePredicate.h"
#include "Toolkit/Parameter/Parameter.h"

Win32TwoBitmapButtonObserver::Win32TwoBitmapButtonObserver(ButtonCoordinator* aCoordinator,
                                                           const ValuePredicate* aPredicate,
                                                           const LoadedBitmap* aBitmapWhenTrue,
                                                           const LoadedBitmap* aBitmapWhenFalse)
    : myCoordinator(aCoordinator), myPredicate(aPredicate), myBitmapWhenTrue(aBitmapWhenTrue),
      myBitmapWhenFalse(aBitmapWhenFalse)
{
    VORNA_ASSERT(aCoordinator != NULL && aPredicate != NULL);
}

void Win32TwoBitmapButtonObserver::update(Subject* aSubject)
{
    const Parameter* subject = ownParameter(aSubject);
    if (subject == nullptr)
    {
        return;
    }
    myCoordinator->setBitmap(myPredicate->test(subject->value()) ? myBitmapWhenTrue : myBitmapWhenFalse);
}
