#pragma once

#include "Tessiva/Panels/Pages/DevicePage.h"
#include "Toolkit/Controls/ReadOnlyListBox.h"

#include <memory>
#include <optional>

class PollingView;
class Win32CheckBoxObserver;
class Win32ComboBoxObserver;
class Win32StringListBoxObserver;

namespace Platform
{
class DialogTemplate;
class Resources;
}

// The "Input/Output" page: the digital input's status and its channel-status
// bits, and the digital output's settings. On the KQ310 (template 114) the
// "Input Channel Routing..." button opens the routing dialog, with the view's
// polling stopped for as long as it is open.
class InputOutputPage : public DevicePage
{
public:
    static constexpr unsigned templateId = 114;
    static constexpr unsigned labelStringId = 114;
    static constexpr int timeCodePacketsId = 1308;
    static constexpr int outputFormatId = 1307;
    static constexpr int outputAudioBitId = 1310;
    static constexpr int lockStatusId = 1600;
    static constexpr int sampleRateId = 1601;
    static constexpr int integrityId = 1602;
    static constexpr int routingButtonId = 1603;
    static constexpr int subcodeFormatId = 1604;
    static constexpr int subcodeAudioBitId = 1605;
    static constexpr int subcodeEmphasisId = 1606;
    static constexpr int subcodeSampleRateId = 1607;
    static constexpr int statusListCount = 7;
    // The first texts of the lists and boxes; a two-text run ends at the next id.
    static constexpr unsigned firstLockText = 15000;
    static constexpr unsigned firstRateText = 10101;
    static constexpr unsigned lastRateText = 10104;
    static constexpr unsigned firstIntegrityText = 15010;
    static constexpr unsigned firstSubcodeFormatText = 15020;
    static constexpr unsigned firstEmphasisText = 15030;
    static constexpr unsigned firstAudioBitText = 15040;
    static constexpr unsigned firstOutputFormatText = 15050;
    static constexpr unsigned lastOutputFormatText = 15053;

    // aView may be nullptr: the routing button then does nothing.
    InputOutputPage(const DeviceKey& aKey, CTessivaDoc* aDocument, PollingView* aView,
                    unsigned aDialogId = templateId);
    ~InputOutputPage() override;

    // The template, the page's label and the item texts; the routing
    // dialog's too (in Kq310PanelResources.cpp).
    static void addResources(Platform::Resources& aResources);
    static Platform::DialogTemplate dialogTemplate();

    PollingView* view() const { return myView; }

protected:
    // Binds the routing button after the controls.
    bool onInitDialog() override;
    void doDataExchange() override;
    void bindControls() override;

    void onInputChannelRouting();

private:
    PollingView* myView;
    Platform::Window* myTimeCodePackets = nullptr;
    Platform::Window* myOutputFormat = nullptr;
    Platform::Window* myOutputAudioBit = nullptr;

    // What the observers point to comes first, so that it outlives them.
    // 1600, 1601, 1602, 1604, 1607, 1606, 1605.
    std::optional<ReadOnlyListBox> myStatusLists[statusListCount];

    std::unique_ptr<Win32CheckBoxObserver> myTimeCodePacketsObserver;
    std::unique_ptr<Win32ComboBoxObserver> myOutputFormatObserver;
    std::unique_ptr<Win32ComboBoxObserver> myOutputAudioBitObserver;
    std::unique_ptr<Win32StringListBoxObserver> myStatusListObservers[statusListCount];
};
