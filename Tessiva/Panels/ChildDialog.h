#pragma once

#include "Platform/Window/Window.h"

#include <memory>
#include <optional>
#include <utility>

namespace Platform
{
class Resources;
class StringTable;
}

// A modeless dialog built from a template as the child of another window:
// the common part of the front panels and their pages. Creating the window
// runs onInitDialog, which first runs doDataExchange. The window is made once
// the object is whole (make, or createIn after construction), so both run
// once, with the overrides of the object's own class. Enter and Escape reach
// onOK and onCancel. The window goes with the object, or earlier with
// destroyWindow or with its parent.
class ChildDialog
{
public:
    explicit ChildDialog(unsigned aTemplateId = 0);
    virtual ~ChildDialog();

    // Makes a TDialog from anArgs, then its window with createIn. A dialog
    // whose template is missing comes back without a window.
    template <class TDialog, class... TArgs>
    static std::unique_ptr<TDialog> make(Platform::Window* aParent, TArgs&&... anArgs)
    {
        auto dialog = std::make_unique<TDialog>(std::forward<TArgs>(anArgs)...);
        dialog->createIn(aParent);
        return dialog;
    }

    // Builds the window from the program's resources inside aParent and runs
    // onInitDialog. False when the resources lack the template.
    bool create(unsigned aTemplateId, Platform::Window* aParent);
    bool create(unsigned aTemplateId, Platform::Window* aParent, const Platform::Resources& aResources);
    // Builds the window from this dialog's template inside aParent and raises
    // it above its siblings in place. False when the resources lack the template.
    bool createIn(Platform::Window* aParent);
    void destroyWindow();
    // nullptr before create and after the window is gone.
    Platform::Window* window() const;
    unsigned templateId() const { return myTemplateId; }
    // A control of the template by id; the window must exist and hold it.
    Platform::Window& control(int anId) const;

    // Does nothing without a window.
    void showWindow(bool aShown);
    void enableWindow(bool anEnabled);
    void raiseWindow();

protected:
    // The program's resources and their texts.
    static const Platform::Resources& resources();
    static const Platform::StringTable& strings();

    // The base runs doDataExchange and succeeds.
    virtual bool onInitDialog();
    // The base binds nothing.
    virtual void doDataExchange();
    // Enter and Escape; the base ends nothing (a child dialog has no modal loop).
    virtual void onOK();
    virtual void onCancel();

private:
    ChildDialog(const ChildDialog&) = delete;
    ChildDialog& operator=(const ChildDialog&) = delete;

    unsigned myTemplateId;
    std::optional<Platform::Window::Watch> myWindow;
};
