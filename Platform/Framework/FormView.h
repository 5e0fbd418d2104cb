#pragma once

#include "Platform/Framework/CommandTarget.h"
#include "Platform/Window/Rectangle.h"
#include "Platform/Window/Window.h"

#include <optional>

namespace Platform
{
class Document;
class MainFrame;
class Resources;

// A view made of a dialog template: the main frame's content. The template
// builds it in the frame (create), then onCreate ties the program's controls
// and handlers, and onInitialUpdate runs once the document is new or opened.
// The document's updateAllViews reaches it as onUpdate, its window timers as
// onTimer. A program's view derives from it and maps its own commands.
class FormView : public CommandTarget
{
public:
    explicit FormView(unsigned aTemplateId);
    // Leaves the document and destroys the view's window.
    ~FormView() override;

    unsigned templateId() const { return myTemplateId; }

    // Builds the window from the template inside the frame's window and joins
    // the document; then onCreate. False when the resources lack the template.
    bool create(MainFrame& aFrame, Document& aDocument, const Resources& aResources);
    bool isCreated() const;
    Window& window() const;
    Document& document() const;
    MainFrame& parentFrame() const;
    // The template's size in pixels: the size the form needs.
    const Rectangle& formRectangle() const { return myFormRectangle; }

    // --- hooks ---
    // After the window exists: the place to find controls and set handlers.
    virtual void onCreate();
    // Once the document is new or opened. The base shows the document (onUpdate).
    virtual void onInitialUpdate();
    // The document changed. The base asks for a repaint.
    virtual void onUpdate(FormView* aSender, long aHint);
    virtual void onTimer(unsigned aTimerId);

    // --- services ---
    // A timer of the view's window; returns its id. Setting it again restarts it.
    unsigned setTimer(unsigned aTimerId, unsigned aMilliseconds);
    // False when it was not running.
    bool killTimer(unsigned aTimerId);
    // Queues a message for the view's window (a Message notification).
    void post(unsigned aMessage);
    // Sizes the frame to hold the form exactly; aShrinkOnly never enlarges it.
    void resizeParentToFit(bool aShrinkOnly = true);

private:
    unsigned myTemplateId;
    std::optional<Window::Watch> myWindow;
    Document* myDocument = nullptr;
    MainFrame* myFrame = nullptr;
    Rectangle myFormRectangle;
};
}
