#pragma once

#include "Tessiva/Panels/Pages/DevicePage.h"

#include <memory>

class PollingView;
class ReadOnlyListBox;
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

    // aView may be nullptr: the routing button then does nothing.
    InputOutputPage(Platform::Window* aParentWindow, const DeviceKey& aKey, CTessivaDoc* aDocument,
                    PollingView* aView, unsigned aDialogId = templateId);
    ~InputOutputPage() override;

    // The template, the page's label and the item texts; the routing dialog's too.
    static void addResources(Platform::Resources& aResources);
    static Platform::DialogTemplate dialogTemplate();

    PollingView* view() const { return myView; }

protected:
    bool onInitDialog() override;
    void doDataExchange() override;

    virtual void createObservers();
    virtual void createCheckBoxObservers();
    virtual void createComboBoxObservers();
    virtual void createStatusObservers();

    void onInputChannelRouting();

private:
    void bindNotifications();

    PollingView* myView;
    Platform::Window* myTimeCodePackets;
    Platform::Window* myOutputFormat;
    Platform::Window* myOutputAudioBit;
    // 1600, 1601, 1602, 1604, 1607, 1606, 1605.
    std::unique_ptr<ReadOnlyListBox> myStatusLists[statusListCount];
    std::unique_ptr<Win32CheckBoxObserver> myTimeCodePacketsObserver;
    std::unique_ptr<Win32ComboBoxObserver> myOutputFormatObserver;
    std::unique_ptr<Win32ComboBoxObserver> myOutputAudioBitObserver;
    std::unique_ptr<Win32StringListBoxObserver> myStatusListObservers[statusListCount];
};
