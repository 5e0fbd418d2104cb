#pragma once

#include "Tessiva/Panels/Pages/DevicePage.h"
#include "Toolkit/Controls/LinearScaler.h"

#include <memory>

class MeterObserver;
class Win32CheckBoxObserver;
class Win32ComboBoxObserver;

namespace Platform
{
class DialogTemplate;
class Resources;
}

// The "Dual Mono" page of every front panel: the settings and compression
// meters of the second channel when the unit codes two mono programmes (1+1).
class DualMonoPage : public DevicePage
{
public:
    static constexpr unsigned templateId = 113;
    static constexpr int infoExistsId = 1117;
    static constexpr int dialogNormalizationId = 1106;
    static constexpr int mixLevelId = 1118;
    static constexpr int roomTypeId = 1119;
    static constexpr int inputLevelBarId = 1411;
    static constexpr int lineModeBarId = 1413;
    static constexpr int rfModeBarId = 1415;

    // The item texts of the combo boxes.
    static constexpr unsigned firstDialogNormalizationText = 10500;
    static constexpr unsigned firstMixLevelText = 11300;
    static constexpr unsigned firstRoomTypeText = 11400;

    DualMonoPage(const DeviceKey& aKey, CTessivaDoc* aDocument);
    ~DualMonoPage() override;

    // Adds the page's template and item texts to a program's resources (in
    // CommonPanelResources.cpp).
    static void addResources(Platform::Resources& aResources);
    static Platform::DialogTemplate dialogTemplate();

    const MeterObserver* inputLevelMeter() const { return myInputLevelObserver.get(); }
    const MeterObserver* lineModeMeter() const { return myLineModeObserver.get(); }
    const MeterObserver* rfModeMeter() const { return myRfModeObserver.get(); }

protected:
    void bindControls() override;

private:

    // What the observers point to comes first, so that it outlives them.
    LinearScaler myScaler;

    std::unique_ptr<Win32CheckBoxObserver> myInfoExistsObserver;
    std::unique_ptr<Win32ComboBoxObserver> myDialogNormalizationObserver;
    std::unique_ptr<Win32ComboBoxObserver> myMixLevelObserver;
    std::unique_ptr<Win32ComboBoxObserver> myRoomTypeObserver;
    std::unique_ptr<MeterObserver> myInputLevelObserver;
    std::unique_ptr<MeterObserver> myLineModeObserver;
    std::unique_ptr<MeterObserver> myRfModeObserver;
};
