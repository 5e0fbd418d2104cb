#pragma once

#include "Tessiva/DeviceKey.h"
#include "Toolkit/Controls/ControlBinder.h"

#include <memory>

class CTessivaDoc;
class ParameterId;
class Win32ComboBoxObserver;

namespace Platform
{
class DialogTemplate;
class Resources;
class Window;
}

// The modal "Input Channel Routing" dialog of the KQ310: the channel preset
// and the input that feeds each of the six channels. Every choice goes to
// the unit at once, so there is nothing to apply on OK; the preset's rule in
// the device's table moves the six assignments, and the boxes follow.
// Errors only show their text: the dialog stays open, no device is closed.
class InputChannelRoutingDialog
{
public:
    static constexpr unsigned templateId = 149;
    static constexpr int presetId = 1024;
    static constexpr int leftId = 1301;
    static constexpr int centerId = 1302;
    static constexpr int rightId = 1303;
    static constexpr int leftSurroundId = 1304;
    static constexpr int rightSurroundId = 1305;
    static constexpr int lfeId = 1306;
    static constexpr int channelCount = 6;
    // By channel: left, center, right, left surround, right surround, LFE
    // ('H'0 to 'H'5).
    static constexpr int channelIds[channelCount] = {leftId,         centerId,        rightId,
                                                     leftSurroundId, rightSurroundId, lfeId};
    // The six presets, then "Custom"; the six inputs.
    static constexpr unsigned firstPresetText = 15080;
    static constexpr unsigned customPresetText = 15086;
    static constexpr unsigned firstInputText = 15070;
    static constexpr unsigned lastInputText = 15075;

    InputChannelRoutingDialog(const DeviceKey& aKey, CTessivaDoc* aDocument);
    ~InputChannelRoutingDialog();

    // The template and the texts (in Kq310PanelResources.cpp).
    static void addResources(Platform::Resources& aResources);
    static Platform::DialogTemplate dialogTemplate();

    // Runs the dialog modally from the program's resources: 1 for OK, 2 for
    // Cancel (Escape); -1 when the resources lack its template.
    int doModal();

private:
    InputChannelRoutingDialog(const InputChannelRoutingDialog&) = delete;
    InputChannelRoutingDialog& operator=(const InputChannelRoutingDialog&) = delete;

    void onInitDialog();
    void doDataExchange();
    void createObservers();
    // Makes the observer of aBox into aMember, attaches it to the control
    // parameter anId and routes the box's picks to it, errors told.
    void bindComboBox(std::unique_ptr<Win32ComboBoxObserver>& aMember, const ParameterId& anId,
                      Platform::Window* aBox, unsigned aFirstText, unsigned aLastText);
    void deleteObservers();

    DeviceKey myKey;
    CTessivaDoc* myDocument;
    // Tells the errors of the boxes' handlers.
    ControlBinder myBinder;
    // The window comes first: the observers that fill its boxes go before it.
    std::unique_ptr<Platform::Window> myDialog;
    Platform::Window* myPreset = nullptr;
    Platform::Window* myChannels[channelCount] = {};
    std::unique_ptr<Win32ComboBoxObserver> myPresetObserver;
    std::unique_ptr<Win32ComboBoxObserver> myChannelObservers[channelCount];
};
