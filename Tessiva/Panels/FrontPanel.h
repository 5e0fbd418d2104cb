#pragma once

#include "Tessiva/Controls/EncoderRunningPredicate.h"
#include "Tessiva/Panels/DevicePanel.h"
#include "Toolkit/Controls/DecibelScaler.h"
#include "Toolkit/Controls/LoadedBitmap.h"
#include "Toolkit/Controls/MeterSettings.h"
#include "Toolkit/Controls/ReadOnlyListBox.h"

#include <array>
#include <memory>
#include <optional>

class BitstreamModeSelector;
class ButtonCoordinator;
class EncoderStateSelector;
class MeterObserver;
class Win32ButtonControlOnlyObserver;
class Win32CheckBoxObserver;
class Win32ComboBoxObserver;
class Win32StringListBoxObserver;
class Win32TwoBitmapButtonObserver;
class Win32WindowSelectObserver;

namespace Platform
{
class DialogTemplate;
class Resources;
}

// What every model's front panel shows: the coding settings, the encoder's
// Start and Stop with its state, the audio bandwidth and six level meters.
// It reads and writes no parameter itself: each control is bound to an
// observer, attached through the document with the panel's key, and each
// user action goes to the observer of its control. A model panel binds its
// own controls in its onInitDialog, after this one's.
class FrontPanel : public DevicePanel
{
public:
    static constexpr int timeCodeCtrlId = 3010;
    static constexpr int lfeEnableId = 1104;
    static constexpr int audioCodingModeId = 1103;
    static constexpr int dataRateId = 1101;
    static constexpr int bitstreamModeId = 1059;
    static constexpr int alternativeBitstreamModeId = 1060;
    static constexpr int dialogNormalizationId = 1105;
    // The audio bandwidth lists at 32, 44.1 and 48 kHz, one on top of the other.
    static constexpr int bandwidthList32Id = 1608;
    static constexpr int bandwidthList44Id = 1609;
    static constexpr int bandwidthList48Id = 1610;
    static constexpr int stoppedStateListId = 1003;
    static constexpr int startedStateListId = 1004;
    static constexpr int startButtonId = 3012;
    static constexpr int stopButtonId = 3011;
    static constexpr int leftMeterId = 1404;
    static constexpr int rightMeterId = 1406;
    static constexpr int centerMeterId = 1405;
    static constexpr int leftSurroundMeterId = 1046;
    static constexpr int rightSurroundMeterId = 1047;
    static constexpr int lfeMeterId = 1409;

    static constexpr unsigned stopRunningBitmap = 4002;
    static constexpr unsigned stopStoppedBitmap = 4003;
    static constexpr unsigned startStoppedBitmap = 4004;
    static constexpr unsigned startRunningBitmap = 4005;

    FrontPanel(const DeviceKey& aKey, CTessivaDoc* aDocument, unsigned aDialogId);
    ~FrontPanel() override;

    // The resources every model panel shares (in CommonPanelResources.cpp):
    // the item texts and the four button bitmaps.
    static void addResources(Platform::Resources& aResources);
    // The layout every model panel shares, in dialog units: a column on the
    // left, rows of labelled settings from its top, the encoder, bandwidth and
    // meters at its foot; the row of pages fills the right.
    static constexpr int panelWidth = 508;
    static constexpr int panelHeight = 300;
    static constexpr int labelLeft = 4;
    static constexpr int labelWidth = 80;
    static constexpr int fieldLeft = 86;
    static constexpr int rowHeight = 14;
    // The first row free for a model's own settings, below the shared ones.
    static constexpr int modelRowsTop = 4 + 5 * rowHeight;
    // Below the model's own rows: where the encoder group starts.
    static constexpr int footTop = 142;
    static constexpr int pagesLeft = 232;

    // Add the shared controls, with their labels and meter scales, to a
    // model panel's template: the rows down to modelRowsTop, and the foot of
    // the column from footTop. The model's own rows go between the two, so
    // that Tab reaches them in reading order.
    static void addTopRows(Platform::DialogTemplate& aTemplate);
    static void addFoot(Platform::DialogTemplate& aTemplate);
    // The model's row of pages on the right of the panel.
    static void addPages(Platform::DialogTemplate& aTemplate, int anId);

    // Paints every meter again from its parameter's value, available or not.
    virtual void refreshMeters();

    const MeterObserver* meter(int anIndex) const;

protected:
    // Exchanges, then makes the shared observers inside the error guard.
    bool onInitDialog() override;
    void doDataExchange() override;

    // Filled only by a model panel that binds Time Code Ctrl.
    std::unique_ptr<Win32CheckBoxObserver> myTimeCodeObserver;

private:
    // The shared observers, in this order; the first failure stops the rest.
    void createObservers();
    void createCodingObservers();
    void createLfeObserver();
    void createStatusListObservers();
    void createStartStopObservers();
    void createMeterObservers();

    // The level bars: -60 to 0 dB of full scale, falling at 40 dB a second.
    static MeterSettings levelBars();

    // What the observers point to comes first, so that it outlives them.
    EncoderRunningPredicate myRunningTest;
    DecibelScaler myLevelScaler;
    MeterSettings myMeterSettings = levelBars();
    std::optional<ReadOnlyListBox> myBandwidthLists[3];
    std::optional<ReadOnlyListBox> myStateLists[2];
    std::optional<LoadedBitmap> myStopImage;
    std::optional<LoadedBitmap> myStartImage;
    std::optional<LoadedBitmap> myStopRunningImage;
    std::optional<LoadedBitmap> myStopStoppedImage;
    std::optional<LoadedBitmap> myStartStoppedImage;
    std::optional<LoadedBitmap> myStartRunningImage;
    std::unique_ptr<ButtonCoordinator> myStopCoordinator;
    std::unique_ptr<ButtonCoordinator> myStartCoordinator;

    std::unique_ptr<Win32CheckBoxObserver> myLfeObserver;
    std::unique_ptr<Win32ComboBoxObserver> myAudioCodingModeObserver;
    std::unique_ptr<Win32ComboBoxObserver> myDataRateObserver;
    std::unique_ptr<Win32ComboBoxObserver> myBitstreamModeObserver;
    std::unique_ptr<Win32ComboBoxObserver> myAlternativeBitstreamModeObserver;
    std::unique_ptr<Win32ComboBoxObserver> myDialogNormalizationObserver;
    std::unique_ptr<BitstreamModeSelector> myBitstreamModeSelector;
    std::unique_ptr<Win32StringListBoxObserver> myBandwidthObservers[3];
    std::unique_ptr<Win32StringListBoxObserver> myStateObservers[2];
    std::unique_ptr<Win32WindowSelectObserver> myBandwidthSelector;
    std::unique_ptr<EncoderStateSelector> myEncoderStateSelector;
    std::unique_ptr<Win32ButtonControlOnlyObserver> myStartObserver;
    std::unique_ptr<Win32ButtonControlOnlyObserver> myStopObserver;
    std::unique_ptr<Win32TwoBitmapButtonObserver> myStartImageObserver;
    std::unique_ptr<Win32TwoBitmapButtonObserver> myStopImageObserver;
    std::array<std::unique_ptr<MeterObserver>, 6> myMeters;
};
