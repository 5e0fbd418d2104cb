#pragma once

#include "Platform/Window/Window.h"

#include <memory>
#include <optional>
#include <vector>

class CTessivaDoc;
class DevicePage;

namespace Platform
{
class StringTable;
}

// The row of settings pages inside a front panel: one tab per page, only the
// selected page shown and enabled. It owns the pages and has no device
// traffic of its own. The model panels derive from it to add their pages.
class PageTabControl
{
public:
    PageTabControl();
    // Deletes the pages in tab order; each page's window goes with it.
    virtual ~PageTabControl();

    // Binds the tab control window of the panel (its control 110) and shows
    // the page of each tab the user selects.
    void attach(Platform::Window* aControl);
    // nullptr before attach and after the window is gone.
    Platform::Window* window() const;

    // Adopts aPage and appends its tab, labelled with the string of that id;
    // then the first page is shown and enabled.
    void addPage(unsigned aStringId, std::unique_ptr<DevicePage> aPage);
    void setOwner(CTessivaDoc* anOwner) { myOwner = anOwner; }
    CTessivaDoc* owner() const { return myOwner; }

    // The user selected another tab.
    void selectionChange();

    int pageCount() const { return static_cast<int>(myPages.size()); }
    DevicePage* page(int anIndex) const;

protected:
    // Tab labels by string id, for the pages of every model.
    static constexpr unsigned bitstreamInfoLabel = 111;
    static constexpr unsigned preprocessingLabel = 112;
    static constexpr unsigned dualMonoLabel = 113;
    static constexpr unsigned inputOutputLabel = 114;
    static constexpr unsigned timeCodeLabel = 116;
    static constexpr unsigned referenceInputLabel = 118;
    static constexpr unsigned presetsLabel = 119;

    static void addTabLabels(Platform::StringTable& aStrings);

private:
    PageTabControl(const PageTabControl&) = delete;
    PageTabControl& operator=(const PageTabControl&) = delete;

    std::optional<Platform::Window::Watch> myControl;
    std::vector<std::unique_ptr<DevicePage>> myPages;
    CTessivaDoc* myOwner = nullptr;
};
