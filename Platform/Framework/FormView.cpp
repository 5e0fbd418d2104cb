#include "Platform/Framework/FormView.h"

#include "Platform/Assertion.h"
#include "Platform/Framework/Document.h"
#include "Platform/Framework/MainFrame.h"
#include "Platform/Window/Backend.h"
#include "Platform/Window/Resources.h"

namespace Platform
{
FormView::FormView(unsigned aTemplateId) : myTemplateId(aTemplateId)
{
}

FormView::~FormView()
{
    if (myDocument != nullptr)
    {
        myDocument->removeView(*this);
    }
    if (isCreated())
    {
        Window& view = window();
        if (view.parent() != nullptr)
        {
            view.parent()->destroyChild(view);
        }
    }
}

bool FormView::create(MainFrame& aFrame, Document& aDocument, const Resources& aResources)
{
    VORNA_ASSERT(!isCreated());
    const DialogTemplate* form = aResources.dialog(myTemplateId);
    if (form == nullptr)
    {
        return false;
    }
    Window& view = form->createIn(aFrame.window());
    myWindow.emplace(view);
    myFormRectangle = view.rectangle();
    myFrame = &aFrame;
    myDocument = &aDocument;
    aDocument.addView(*this);
    view.on(Notification::TimerTick, [this](Event& anEvent) { onTimer(static_cast<unsigned>(anEvent.code)); });
    onCreate();
    return true;
}

bool FormView::isCreated() const
{
    return myWindow && myWindow->alive();
}

Window& FormView::window() const
{
    VORNA_ASSERT(isCreated());
    return *myWindow->get();
}

Document& FormView::document() const
{
    VORNA_ASSERT(myDocument != NULL);
    return *myDocument;
}

MainFrame& FormView::parentFrame() const
{
    VORNA_ASSERT(myFrame != NULL);
    return *myFrame;
}

void FormView::onCreate()
{
}

void FormView::onInitialUpdate()
{
    onUpdate(nullptr, 0);
}

void FormView::onUpdate(FormView*, long)
{
    if (isCreated())
    {
        window().invalidate();
    }
}

void FormView::onTimer(unsigned)
{
}

unsigned FormView::setTimer(unsigned aTimerId, unsigned aMilliseconds)
{
    Backend::current().setTimer(window(), aTimerId, aMilliseconds);
    return aTimerId;
}

bool FormView::killTimer(unsigned aTimerId)
{
    return isCreated() && Backend::current().killTimer(window(), aTimerId);
}

void FormView::post(unsigned aMessage)
{
    Backend::current().post(window(), aMessage);
}

void FormView::resizeParentToFit(bool aShrinkOnly)
{
    parentFrame().fitToForm(myFormRectangle.width(), myFormRectangle.height(), aShrinkOnly);
}
}
