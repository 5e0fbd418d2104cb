#pragma once

#include "Tessiva/DeviceKey.h"
#include "Tessiva/Panels/DeviceDialog.h"

#include <memory>
#include <utility>

class CTessivaDoc;

// The base of every tab page of a front panel. Like the panel, it keeps the
// device's key and the document and reaches the device through the document
// for every operation. Enter and Escape never end a page.
//
// A page is made whole first and gets its window after: createPage (or make,
// which does both) builds the window, so onInitDialog runs once, with the
// overrides of the page's own class, and binds the controls.
class DevicePage : public DeviceDialog
{
public:
    // Makes a TPage from anArgs, then its window inside aParent. A page whose
    // template is missing is returned without a window.
    template <class TPage, class... TArgs>
    static std::unique_ptr<TPage> make(Platform::Window* aParent, TArgs&&... anArgs)
    {
        auto page = std::make_unique<TPage>(std::forward<TArgs>(anArgs)...);
        page->createPage(aParent);
        return page;
    }

    // Creates the window from the page's template as a child of aParent (the
    // page tab control's window) and raises it above its siblings in place.
    // False when the resources lack the template.
    bool createPage(Platform::Window* aParent);

protected:
    DevicePage(const DeviceKey& aKey, CTessivaDoc* aDocument, unsigned aTemplateId);

    // Runs the exchange, then bindControls inside the error guard.
    bool onInitDialog() override;
    // Makes the page's observers and binds them to its controls; the base
    // binds nothing.
    virtual void bindControls();
};
