#pragma once

#include "Tessiva/Controls/LedBitmaps.h"
#include "Tessiva/Panels/LedBitRow.h"
#include "Tessiva/Panels/Pages/InputOutputPage.h"
#include "Toolkit/Parameter/IntegerTextConverter.h"

#include <memory>
#include <optional>

class Win32EditObserver;
class Win32SpinObserver;

// The KQ330/KQ350 "Input/Output" page (template 121): the KQ310 page's
// controls without the routing button, plus input source, format and
// auxiliary data, channel assignment, multiplex mode, test tone, the output
// stream number and eight LEDs of the input stream number's bits.
class UnitInputOutputPage : public InputOutputPage
{
public:
    static constexpr unsigned templateId = 121;
    static constexpr int multiplexModeId = 1031;
    static constexpr int channelAssignmentId = 1024;
    static constexpr int inputSourceId = 1027;
    static constexpr int inputFormatId = 1025;
    static constexpr int auxDataId = 1026;
    static constexpr int testToneId = 1033;
    static constexpr int outputStreamEditId = 1079;
    static constexpr int outputStreamSpinId = 1080;
    static constexpr int firstLedId = 1071;
    static constexpr int ledCount = LedBitRow::ledCount;
    static constexpr unsigned onLedBitmap = LedBitmaps::on;
    static constexpr unsigned offLedBitmap = LedBitmaps::off;
    // The first texts of the boxes. The channel assignments are the routing
    // dialog's presets without "Custom", added with the KQ310 page's texts.
    static constexpr unsigned firstChannelAssignmentText = 15080;
    static constexpr unsigned firstInputSourceText = 21200;
    static constexpr unsigned firstInputFormatText = 20300;
    static constexpr unsigned firstAuxDataText = 20400;
    static constexpr unsigned firstTestToneText = 20600;

    UnitInputOutputPage(const DeviceKey& aKey, CTessivaDoc* aDocument);
    ~UnitInputOutputPage() override;

    // The template and its item texts (in UnitPanelResources.cpp; the LED
    // pictures are the panel's).
    static void addResources(Platform::Resources& aResources);
    static Platform::DialogTemplate dialogTemplate();

protected:
    void doDataExchange() override;
    // The common page's controls, then this page's.
    void bindControls() override;

private:
    static constexpr int theComboCount = 5;

    Platform::Window* myOutputStreamEdit = nullptr;
    Platform::Window* myOutputStreamSpin = nullptr;
    Platform::Window* myMultiplexMode = nullptr;
    // 1024, 1027, 1025, 1026, 1033.
    Platform::Window* myCombos[theComboCount] = {};

    // What the observers point to comes first, so that it outlives them.
    IntegerTextConverter myConverter{1};
    LedBitRow myLeds;

    std::unique_ptr<Win32EditObserver> myEditObserver;
    std::unique_ptr<Win32SpinObserver> mySpinObserver;
    std::unique_ptr<Win32CheckBoxObserver> myMultiplexObserver;
    std::unique_ptr<Win32ComboBoxObserver> myComboObservers[theComboCount];
};
