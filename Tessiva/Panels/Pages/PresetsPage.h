#pragma once

#include "Tessiva/Panels/Pages/DevicePage.h"
#include "Toolkit/Parameter/ControlParameter.h"
#include "Toolkit/Parameter/IntegerTextConverter.h"
#include "Toolkit/Parameter/ParameterValueStore.h"
#include "Toolkit/Parameter/Protocol.h"
#include "Toolkit/Parameter/StringTextConverter.h"

#include <array>
#include <memory>

class ButtonCoordinator;
class ParameterHandleObserver;
class ShowSelectedWindowObserver;
class Win32ButtonControlOnlyObserver;
class Win32ButtonStatusObserver;
class Win32EditObserver;
class Win32SpinObserver;
class Win32WindowTextObserver;

namespace Platform
{
class DialogTemplate;
class Resources;
}

// The "Presets" page of the KQ330/KQ350 panel: 32 recall buttons captioned
// with the preset names and pressed for the unit's current preset, and the
// choice of a preset number (1 to 28) under which to save the configuration
// and whose name to edit. That number lives only here, as a parameter of the
// page's own over a store of its own, so the ordinary observers bind it.
class PresetsPage : public DevicePage
{
public:
    static constexpr unsigned templateId = 120;
    static constexpr unsigned labelStringId = 119;
    static constexpr int presetCount = 32;
    static constexpr int firstRecallButtonId = 1007;
    static constexpr int numberEditId = 1040;
    static constexpr int numberSpinId = 1041;
    static constexpr int saveButtonId = 1042;
    static constexpr int firstNameEditId = 1043;
    static constexpr unsigned nameLength = 12;

    PresetsPage(const DeviceKey& aKey, CTessivaDoc* aDocument);
    ~PresetsPage() override;

    // Adds the page's template and tab label to a program's resources (in
    // UnitPanelResources.cpp).
    static void addResources(Platform::Resources& aResources);
    static Platform::DialogTemplate dialogTemplate();

    // The preset chosen for saving and naming.
    const ControlParameter& presetNumber() const { return myPresetNumber; }

protected:
    void bindControls() override;
    void doDataExchange() override;

private:
    void createNameObservers();
    void createRecallObservers();
    void save();

    // What the observers point to comes first, so that it outlives them.
    ParameterValueStore myLocalStore;
    Protocol myLocalProtocol{&myLocalStore};
    ControlParameter myPresetNumber;
    StringTextConverter myNameConverter;
    IntegerTextConverter myNumberConverter;
    // The slots the name edits' selector reads.
    std::array<Platform::Window*, presetCount> myNameEdits{};
    std::array<std::unique_ptr<ButtonCoordinator>, presetCount> myButtonCoordinators;

    std::array<std::unique_ptr<Win32EditObserver>, presetCount> myNameEditObservers;
    std::unique_ptr<Win32EditObserver> myNumberEditObserver;
    std::unique_ptr<ShowSelectedWindowObserver> myNameEditSelector;
    std::array<std::unique_ptr<Win32WindowTextObserver>, presetCount> myButtonCaptionObservers;
    std::array<std::unique_ptr<Win32ButtonStatusObserver>, presetCount> myButtonStatusObservers;
    std::array<std::unique_ptr<Win32ButtonControlOnlyObserver>, presetCount> myButtonCommandObservers;
    std::unique_ptr<ParameterHandleObserver> mySaveHandle;
    std::unique_ptr<Win32SpinObserver> myNumberSpinObserver;
};
