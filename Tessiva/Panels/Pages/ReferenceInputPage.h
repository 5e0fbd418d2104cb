#pragma once

#include "Tessiva/Controls/LedBitmaps.h"
#include "Tessiva/Panels/LedBitRow.h"
#include "Tessiva/Panels/Pages/DevicePage.h"
#include "Toolkit/Controls/ReadOnlyListBox.h"

#include <array>
#include <memory>
#include <optional>

class Win32StringListBoxObserver;

namespace Platform
{
class DialogTemplate;
class Resources;
}

// The "Reference Input" page of the KQ330/KQ350 panel: lock state, rate and
// integrity of the reference input, its channel-status fields, and one LED
// per bit of the stream-number byte. It only shows; nothing on it is edited.
class ReferenceInputPage : public DevicePage
{
public:
    static constexpr unsigned templateId = 118;
    static constexpr int firstLedId = 1071; // LED i shows bit i; 1078 is the leftmost
    static constexpr int lockStatusId = 1600;
    static constexpr int sampleRateId = 1601;
    static constexpr int integrityId = 1602;
    static constexpr int formatId = 1604;
    static constexpr int subcodeSampleRateId = 1607;
    static constexpr int audioBitId = 1605;
    static constexpr unsigned ledOnBitmap = LedBitmaps::on;
    static constexpr unsigned ledOffBitmap = LedBitmaps::off;

    // The item texts of the lists; both sample rates share theirs.
    static constexpr unsigned firstLockStatusText = 15000;
    static constexpr unsigned firstSampleRateText = 10101;
    static constexpr unsigned firstIntegrityText = 15010;
    static constexpr unsigned firstFormatText = 15020;
    static constexpr unsigned firstAudioBitText = 15040;

    ReferenceInputPage(const DeviceKey& aKey, CTessivaDoc* aDocument);
    ~ReferenceInputPage() override;

    // Adds the page's template, item texts and LED pictures to a program's
    // resources (in UnitPanelResources.cpp).
    static void addResources(Platform::Resources& aResources);
    static Platform::DialogTemplate dialogTemplate();

protected:
    void doDataExchange() override;
    void bindControls() override;

private:
    void createStatusObservers();
    void createLedObservers();

    static constexpr int theListCount = 6;

    std::array<std::optional<ReadOnlyListBox>, theListCount> myLists;

    LedBitRow myLeds;
    std::array<std::unique_ptr<Win32StringListBoxObserver>, theListCount> myListObservers;
};
