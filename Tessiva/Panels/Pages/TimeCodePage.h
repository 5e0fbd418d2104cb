#pragma once

#include "Tessiva/Panels/Pages/DevicePage.h"
#include "Toolkit/Controls/ReadOnlyListBox.h"
#include "Toolkit/Parameter/BcdTextConverter.h"
#include "Toolkit/Parameter/IntegerTextConverter.h"

#include <memory>
#include <optional>

class Win32EditObserver;
class Win32ListBoxObserver;
class Win32SpinObserver;

namespace Platform
{
class DialogTemplate;
class Resources;
}

// The "Time Code" page: the time code the unit receives, and the start and
// stop time codes of a recording, each field an edit with its up-down. The
// hour, minute, second and frame fields hold packed BCD; the parameters'
// ranges alone keep them in bounds. Two typed digits (four for the sample)
// move on to the next field, so a whole time code can be typed in one run.
class TimeCodePage : public DevicePage
{
public:
    static constexpr unsigned templateId = 116;
    static constexpr unsigned labelStringId = 116;
    static constexpr int inputStatusId = 1501;
    static constexpr int formatId = 1502;
    static constexpr int currentHourId = 1503;
    static constexpr int currentMinuteId = 1504;
    static constexpr int currentSecondId = 1505;
    static constexpr int currentFrameId = 1506;
    static constexpr int stopSampleId = 1507;
    // Start hour, minute, second, frame, sample, then stop hour ... frame.
    static constexpr int firstEditId = 1202;
    static constexpr int firstSpinId = 1250;
    static constexpr int startSampleEditId = 1206;
    static constexpr int resumeId = 1220;
    static constexpr int fieldCount = 9;
    // The start sample, the one field of four plain digits.
    static constexpr int sampleField = 4;
    // "Not present", "Present"; the formats, the last "Unknown".
    static constexpr unsigned firstPresenceText = 17000;
    static constexpr unsigned firstFormatText = 17010;
    static constexpr unsigned lastFormatText = 17015;

    // aDialogId: 116 here, or a template that carries the same controls.
    TimeCodePage(const DeviceKey& aKey, CTessivaDoc* aDocument, unsigned aDialogId = templateId);
    ~TimeCodePage() override;

    // The template, the page's label and the item texts (in Kq310PanelResources.cpp).
    static void addResources(Platform::Resources& aResources);
    static Platform::DialogTemplate dialogTemplate();

protected:
    // Routes the fields' input and the Resume button after the controls are bound.
    bool onInitDialog() override;
    void doDataExchange() override;
    void bindControls() override;

    // Copies the stop time code into the start time code, the stop sample
    // overrun into the start sample: five separate writes.
    void onResume();

private:
    static constexpr int theListCount = 7;

    void bindNotifications();
    void onEditChanged(int aField);
    void onSpin(int aField, int aStep);

    Platform::Window* myEdits[fieldCount] = {};
    Platform::Window* mySpins[fieldCount] = {};
    Platform::Window* myResume = nullptr;
    // Set while an up-down step runs: the step's own rewrite of the field
    // must not move the focus on.
    bool myStepping = false;

    // What the observers point to comes first, so that it outlives them.
    // 1501, 1503, 1504, 1505, 1506, 1502, 1507.
    std::optional<ReadOnlyListBox> myLists[theListCount];
    IntegerTextConverter myIntegerConverter{4};
    BcdTextConverter myBcdConverter{2};

    // 1501, 1502, 1503, 1504, 1505, 1506, 1507, in the order they are made.
    std::unique_ptr<Win32ListBoxObserver> myListObservers[theListCount];
    // Their input is the page's own: a full field moves on, a step sets myStepping.
    std::unique_ptr<Win32EditObserver> myEditObservers[fieldCount];
    std::unique_ptr<Win32SpinObserver> mySpinObservers[fieldCount];
};
