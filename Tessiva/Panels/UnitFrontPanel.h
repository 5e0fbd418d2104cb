#pragma once

#include "Tessiva/Panels/FrontPanel.h"
#include "Tessiva/Panels/Pages/UnitPageTabs.h"
#include "Toolkit/Controls/LoadedBitmap.h"
#include "Toolkit/Controls/PositivePredicate.h"
#include "Toolkit/Controls/ReadOnlyListBox.h"
#include "Toolkit/Parameter/IntegerTextConverter.h"
#include "Toolkit/Parameter/StringTextConverter.h"

#include <memory>
#include <optional>
#include <string>

class UnitNameObserver;
class Win32BitmapObserver;
class Win32CheckBoxObserver;
class Win32ComboBoxObserver;
class Win32EditObserver;
class Win32NumberListBoxObserver;
class Win32SpinObserver;
class Win32WindowTextObserver;

namespace Platform
{
class DialogTemplate;
class Resources;
class Window;
}

// The front panel of a KQ330 or KQ350 (template 122): the shared front panel
// plus the unit's clock source with its lock LED, Bypass, Time Code Ctrl, the
// coding delay (reported, requested, and its mode), the unit's name, model
// and firmware revision, a Pass Through LED, over its row of seven pages.
// What differs between the two models lives in the device's table.
class UnitFrontPanel : public FrontPanel
{
public:
    static constexpr unsigned templateId = 122;
    static constexpr int pagesId = 110;
    static constexpr int modelNameId = 1052;
    static constexpr int revisionId = 1053;
    static constexpr int codingDelayCurrentId = 1403;
    static constexpr int bypassId = 1032;
    static constexpr int codingDelayRequestedId = 1044;
    static constexpr int unitNameId = 1061;
    static constexpr int codingDelaySpinId = 1041;
    static constexpr int clockSourceId = 1030;
    static constexpr int codingDelayModeId = 1086;
    static constexpr int passThroughLedId = 1084;
    static constexpr int clockLedId = 1085;
    static constexpr unsigned delayLength = 3;
    static constexpr unsigned nameLength = 16;
    static constexpr unsigned firstClockSourceText = 20500;
    static constexpr unsigned lastClockSourceText = 20505;
    static constexpr unsigned firstDelayModeText = 21100;
    static constexpr unsigned lastDelayModeText = 21101;

    UnitFrontPanel(const DeviceKey& aKey, CTessivaDoc* aDocument);
    ~UnitFrontPanel() override;

    // Template 122, the texts and bitmaps of the panel and its pages (in
    // UnitPanelResources.cpp).
    static void addResources(Platform::Resources& aResources);
    static Platform::DialogTemplate dialogTemplate();

    // The unit's name; empty until the name was attached.
    void getName(std::string& aName) const override;

    UnitPageTabs& pages() { return myPages; }

protected:
    // The shared observers, the unit name's loss of focus, then the unit's
    // observers, the unit name's (which renames the tab) and the pages; the
    // unit name's attach and the pages' creation throw to the caller.
    bool onInitDialog() override;
    void doDataExchange() override;
    // Enter in the panel takes the unit name as leaving its field does.
    void onOK() override;

private:
    // The unit's own observers, in this order; the first failure stops the rest.
    void createUnitObservers();
    void createEditObservers();
    void createSpinObserver();
    void createLedObservers();
    void createIdentityObservers();
    void bindNotifications();
    void commitUnitName();

    std::string myName;
    Platform::Window* myModelName = nullptr;
    Platform::Window* myRevision = nullptr;
    Platform::Window* myBypass = nullptr;
    Platform::Window* myCodingDelayRequested = nullptr;
    Platform::Window* myUnitName = nullptr;
    Platform::Window* myCodingDelaySpin = nullptr;
    Platform::Window* myClockSource = nullptr;
    Platform::Window* myCodingDelayMode = nullptr;
    Platform::Window* myPassThroughLed = nullptr;
    Platform::Window* myClockLed = nullptr;

    // What the observers point to comes first, so that it outlives them.
    std::optional<ReadOnlyListBox> myCodingDelayCurrent;
    IntegerTextConverter myDelayConverter{delayLength};
    StringTextConverter myNameConverter;
    std::optional<LoadedBitmap> myLedOn;
    std::optional<LoadedBitmap> myLedOff;
    std::optional<LoadedBitmap> myLedRed;
    PositivePredicate myPositiveTest;

    std::unique_ptr<Win32WindowTextObserver> myModelNameObserver;
    std::unique_ptr<Win32WindowTextObserver> myRevisionObserver;
    std::unique_ptr<Win32NumberListBoxObserver> myCodingDelayCurrentObserver;
    std::unique_ptr<Win32CheckBoxObserver> myBypassObserver;
    std::unique_ptr<Win32EditObserver> myCodingDelayEditObserver;
    std::unique_ptr<Win32EditObserver> myUnitNameEditObserver;
    std::unique_ptr<UnitNameObserver> myUnitNameObserver;
    std::unique_ptr<Win32SpinObserver> myCodingDelaySpinObserver;
    std::unique_ptr<Win32ComboBoxObserver> myClockSourceObserver;
    std::unique_ptr<Win32ComboBoxObserver> myCodingDelayModeObserver;
    std::unique_ptr<Win32BitmapObserver> myPassThroughLedObserver;
    std::unique_ptr<Win32BitmapObserver> myClockLedObserver;
    UnitPageTabs myPages;
};
