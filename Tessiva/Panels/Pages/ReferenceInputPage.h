#pragma once

#include "Tessiva/Controls/BitMaskPredicate.h"
#include "Tessiva/Controls/LoadedBitmap.h"
#include "Tessiva/Panels/Pages/DevicePage.h"

#include <array>
#include <memory>
#include <optional>

class ReadOnlyListBox;
class Win32BitmapObserver;
class Win32StringListBoxObserver;

namespace Platform
{
class DialogTemplate;
class Resources;
class Window;
}

// The "Reference Input" page of the KQ330/KQ350 panel: lock state, rate and
// integrity of the reference input, its channel-status fields, and one LED
// per bit of the stream-number byte. It only shows; nothing on it is edited.
class ReferenceInputPage : public DevicePage
{
public:
    static constexpr unsigned dialogId = 118;
    static constexpr int firstLedId = 1071; // LED i shows bit i; 1078 is the leftmost
    static constexpr int lockStatusId = 1600;
    static constexpr int sampleRateId = 1601;
    static constexpr int integrityId = 1602;
    static constexpr int formatId = 1604;
    static constexpr int subcodeSampleRateId = 1607;
    static constexpr int audioBitId = 1605;
    static constexpr unsigned ledOnBitmap = 147;
    static constexpr unsigned ledOffBitmap = 4014;

    ReferenceInputPage(Platform::Window* aParentWindow, const DeviceKey& aKey, CTessivaDoc* aDocument);
    ~ReferenceInputPage() override;

    // Adds the page's template, item texts and LED pictures to a program's resources.
    static void addResources(Platform::Resources& aResources);
    static Platform::DialogTemplate dialogTemplate();

protected:
    bool onInitDialog() override;
    void doDataExchange() override;
    virtual void createObservers();
    virtual void createStatusObservers();
    virtual void createLedObservers();

private:
    static constexpr int theLedCount = 8;
    static constexpr int theListCount = 6;

    std::optional<LoadedBitmap> myLedOn;
    std::optional<LoadedBitmap> myLedOff;
    std::array<Platform::Window*, theLedCount> myLeds;
    std::array<std::unique_ptr<Win32BitmapObserver>, theLedCount> myLedObservers;
    std::array<BitMaskPredicate, theLedCount> myBitTests;
    std::array<std::unique_ptr<ReadOnlyListBox>, theListCount> myLists;
    std::array<std::unique_ptr<Win32StringListBoxObserver>, theListCount> myListObservers;
};
