#pragma once

#include "Tessiva/Panels/Pages/TimeCodePage.h"
#include "Toolkit/Controls/ReadOnlyListBox.h"

#include <memory>
#include <optional>

class ComboBoxItemTextObserver;
class ListBoxItemTextObserver;
class Win32ComboBoxObserver;
class Win32StringListBoxObserver;

namespace Platform
{
class DialogTemplate;
class Resources;
class Window;
}

// The "Time Code" page of the KQ330/KQ350 panel: the common time-code page
// with the unit's time-code source, and its pending and current presets,
// whose 32 user entries carry the preset names that the unit holds.
class UnitTimeCodePage : public TimeCodePage
{
public:
    static constexpr unsigned templateId = 123;
    static constexpr int sourceId = 1034;
    static constexpr int pendingPresetId = 1035;
    static constexpr int currentPresetId = 1509;
    static constexpr int presetCount = 32;
    // The sources; "None", then "Preset 1" to "Preset 32".
    static constexpr unsigned firstSourceText = 20700;
    static constexpr unsigned firstPresetText = 20202;
    static constexpr unsigned lastPresetText = firstPresetText + presetCount;

    UnitTimeCodePage(const DeviceKey& aKey, CTessivaDoc* aDocument);
    ~UnitTimeCodePage() override;

    // Adds the page's template and item texts to a program's resources (in
    // UnitPanelResources.cpp).
    static void addResources(Platform::Resources& aResources);
    // Every control of the common page, rearranged, and the three of the unit.
    static Platform::DialogTemplate dialogTemplate();

protected:
    void doDataExchange() override;
    // The common page's controls, then the source and the presets.
    void bindControls() override;

private:
    Platform::Window* mySource = nullptr;
    Platform::Window* myPendingPreset = nullptr;

    // What the observers point to comes first, so that it outlives them.
    std::optional<ReadOnlyListBox> myCurrentPreset;

    std::unique_ptr<ListBoxItemTextObserver> myListItemObservers[presetCount];
    std::unique_ptr<ComboBoxItemTextObserver> myComboItemObservers[presetCount];
    std::unique_ptr<Win32ComboBoxObserver> mySourceObserver;
    std::unique_ptr<Win32ComboBoxObserver> myPendingPresetObserver;
    std::unique_ptr<Win32StringListBoxObserver> myCurrentPresetObserver;
};
