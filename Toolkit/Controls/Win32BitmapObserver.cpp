#include "Toolkit/Controls/Win32BitmapObserver.h"

#include "Platform/Window/Window.h"
#include "Toolkit/Controls/LoadedBitmap.h"
#include "Toolkit/Controls/ValuePredicate.h"
#include "Toolkit/Parameter/Parameter.h"
#include "Toolkit/Parameter/VornaException.h"

Win32BitmapObserver::Win32BitmapObserver(Platform::Window* aStaticControl, const ValuePredicate* aPredicate,
                                         const LoadedBitmap* aBitmapWhenTrue, const LoadedBitmap* aBitmapWhenFalse)
    : myStaticControl(aStaticControl), myPredicate(aPredicate), myBitmapWhenTrue(aBitmapWhenTrue),
      myBitmapWhenFalse(aBitmapWhenFalse)
{
    if (aStaticControl == nullptr || aPredicate == nullptr || aBitmapWhenTrue == nullptr || aBitmapWhenFalse == nullptr)
    {
        throw VornaException("Error initializing a Win32BitmapObserver");
    }
}

void Win32BitmapObserver::update(Subject* aSubject)
{
    const Parameter* subject = ownParameter(aSubject);
    if (subject == nullptr)
    {
        return;
    }
    const LoadedBitmap* shown = myPredicate->test(subject->value()) ? myBitmapWhenTrue : myBitmapWhenFalse;
    myStaticControl->setImage(shown->id());
}
