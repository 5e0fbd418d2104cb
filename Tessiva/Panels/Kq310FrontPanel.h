#pragma once

#include "Tessiva/Panels/FrontPanel.h"
#include "Tessiva/Panels/Pages/Kq310PageTabs.h"
#include "Toolkit/Controls/ReadOnlyListBox.h"

#include <memory>
#include <optional>
#include <string>

class PollingView;
class Win32CheckBoxObserver;
class Win32ComboBoxObserver;
class Win32ShowHideObserver;
class Win32StringListBoxObserver;

namespace Platform
{
class DialogTemplate;
class Resources;
}

// The front panel of a KQ310 (template 101): the shared front panel plus the
// KQ310's sample-rate choice (Auto, or a rate from the combo box; while Auto,
// a list in the combo box's place shows the rate the unit detects), over its
// row of five pages.
class Kq310FrontPanel : public FrontPanel
{
public:
    static constexpr unsigned templateId = 101;
    static constexpr int pagesId = 110;
    static constexpr int autoId = 1180;
    static constexpr int sampleRateId = 1100;
    static constexpr int sampleRateStatusId = 1400;
    // The texts of the sample rates; 'B'0 -1 stands for Auto, whose text is
    // the one before the first rate.
    static constexpr unsigned firstRateText = 10101;
    static constexpr unsigned lastRateText = 10104;

    // aView lets the Input/Output page stop the poll timer around its own
    // dialog; it may be nullptr.
    Kq310FrontPanel(const DeviceKey& aKey, CTessivaDoc* aDocument, PollingView* aView);
    ~Kq310FrontPanel() override;

    // Template 101, the texts and bitmaps of the panel and its pages (in
    // Kq310PanelResources.cpp).
    static void addResources(Platform::Resources& aResources);
    static Platform::DialogTemplate dialogTemplate();

    void getName(std::string& aName) const override;

    Kq310PageTabs& pages() { return myPages; }

protected:
    // The shared observers, then the sample rate's, then the pages; a page
    // that cannot be made throws to the caller.
    bool onInitDialog() override;
    void doDataExchange() override;

private:
    void createSampleRateObservers();

    PollingView* myView;
    std::optional<ReadOnlyListBox> mySampleRateStatus;
    std::unique_ptr<Win32CheckBoxObserver> myAutoObserver;
    std::unique_ptr<Win32ComboBoxObserver> mySampleRateObserver;
    std::unique_ptr<Win32StringListBoxObserver> mySampleRateStatusObserver;
    std::unique_ptr<Win32ShowHideObserver> mySampleRateSelector;
    Kq310PageTabs myPages;
};
