#pragma once

#include "Tessiva/Panels/Pages/DevicePage.h"
#include "Toolkit/Controls/LinearScaler.h"
#include "Toolkit/Controls/ReadOnlyListBox.h"

#include <memory>
#include <optional>

class MeterObserver;
class Win32CheckBoxObserver;
class Win32ComboBoxObserver;
class Win32ShowHideObserver;
class Win32StringListBoxObserver;

namespace Platform
{
class DialogTemplate;
class Resources;
}

// The "Preprocessing" page of every front panel: input filters, surround
// processing, RF overmodulation protection, the compression preset and the
// digital de-emphasis with its automatic mode, and three compressor meters.
// De-emphasis is one parameter shown three ways: the "Auto" box, the Off/On
// choice while not automatic, and the detected state while automatic.
class PreprocessingPage : public DevicePage
{
public:
    static constexpr unsigned templateId = 112;
    static constexpr unsigned labelStringId = 112;
    static constexpr int lfeLowpassId = 1130;
    static constexpr int dcHighpassId = 1128;
    static constexpr int bandwidthLowpassId = 1129;
    static constexpr int phaseShiftId = 1131;
    static constexpr int attenuationId = 1132;
    static constexpr int overmodulationId = 1127;
    static constexpr int deemphasisAutoId = 1181;
    static constexpr int compressionId = 1126;
    static constexpr int deemphasisId = 1133;
    static constexpr int detectedDeemphasisId = 1401;
    static constexpr int inputLevelMeterId = 1410;
    static constexpr int lineModeMeterId = 1412;
    static constexpr int rfModeMeterId = 1414;

    // The item texts of the compression presets and of the de-emphasis.
    static constexpr unsigned firstCompressionText = 12000;
    static constexpr unsigned firstDeemphasisText = 13001;

    PreprocessingPage(const DeviceKey& aKey, CTessivaDoc* aDocument);
    ~PreprocessingPage() override;

    // The page's template and texts (in CommonPanelResources.cpp).
    static void addResources(Platform::Resources& aResources);
    static Platform::DialogTemplate dialogTemplate();

    // The meters, for a look at what they drew (nullptr before they exist).
    const MeterObserver* inputLevelMeter() const { return myMeterObservers[0].get(); }
    const MeterObserver* lineModeMeter() const { return myMeterObservers[1].get(); }
    const MeterObserver* rfModeMeter() const { return myMeterObservers[2].get(); }

protected:
    void bindControls() override;
    void doDataExchange() override;

private:
    static constexpr int theCheckBoxCount = 7;
    static constexpr int theMeterCount = 3;


    // What the observers point to comes first, so that it outlives them.
    std::optional<ReadOnlyListBox> myDetectedDeemphasis;
    LinearScaler myScaler;

    std::unique_ptr<Win32CheckBoxObserver> myCheckBoxObservers[theCheckBoxCount];
    std::unique_ptr<Win32ComboBoxObserver> myCompressionObserver;
    std::unique_ptr<Win32ComboBoxObserver> myDeemphasisObserver;
    std::unique_ptr<Win32StringListBoxObserver> myDetectedDeemphasisObserver;
    std::unique_ptr<Win32ShowHideObserver> myDeemphasisShowHideObserver;
    // Input level, line mode, RF mode.
    std::unique_ptr<MeterObserver> myMeterObservers[theMeterCount];
};
