// The resources of the KQ330 and KQ350 panel family: the panel's template,
// its clock-source and delay-mode texts and LED pictures, and those of its
// own pages.
#include "Tessiva/Panels/UnitFrontPanel.h"

#include "Platform/Window/DialogTemplate.h"
#include "Platform/Window/Resources.h"
#include "Tessiva/Controls/LedBitmaps.h"

using Platform::WindowKind;

namespace
{
const int theLabelId = -1;
}

Platform::DialogTemplate UnitFrontPanel::dialogTemplate()
{
    Platform::WindowStyle label;
    label.tabStop = false;
    Platform::WindowStyle list;
    list.tabStop = false;
    Platform::WindowStyle led;
    led.image = true;
    led.tabStop = false;
    Platform::WindowStyle digits;
    digits.digitsOnly = true;
    Platform::WindowStyle buddy;
    buddy.autoBuddy = true;
    Platform::DialogTemplate panel(templateId, "", panelWidth, panelHeight);
    FrontPanel::addControls(panel);
    const auto row = [](int anIndex) { return modelRowsTop + anIndex * rowHeight; };
    panel.add(WindowKind::Static, theLabelId, "Clock Source", labelLeft, row(0) + 2, labelWidth, 8, label)
        .add(WindowKind::ComboBox, clockSourceId, "", fieldLeft, row(0), 110, 80)
        .addImage(WindowKind::Static, clockLedId, LedBitmaps::red, fieldLeft + 114, row(0) + 2, 10, 10, led)
        .add(WindowKind::CheckBox, bypassId, "Bypass", labelLeft, row(1) + 1, 70, 10)
        .addImage(WindowKind::Static, passThroughLedId, LedBitmaps::off, fieldLeft, row(1) + 1, 10, 10, led)
        .add(WindowKind::Static, theLabelId, "Pass Through", fieldLeft + 14, row(1) + 2, 60, 8, label)
        .add(WindowKind::Static, theLabelId, "Coding Delay", labelLeft, row(2) + 2, labelWidth, 8, label)
        .add(WindowKind::ComboBox, codingDelayModeId, "", fieldLeft, row(2), 56, 40)
        .add(WindowKind::Edit, codingDelayRequestedId, "", fieldLeft + 60, row(2), 26, 12, digits)
        .add(WindowKind::UpDown, codingDelaySpinId, "", fieldLeft + 86, row(2), 10, 12, buddy)
        .add(WindowKind::ListBox, codingDelayCurrentId, "", fieldLeft + 100, row(2) + 1, 28, 10, list)
        .add(WindowKind::Static, theLabelId, "Unit Name", labelLeft, row(3) + 2, labelWidth, 8, label)
        .add(WindowKind::Edit, unitNameId, "", fieldLeft, row(3), 110, 12)
        .add(WindowKind::Static, modelNameId, "KQ350", labelLeft, row(4) + 2, 40, 8, label)
        .add(WindowKind::Static, revisionId, "X.XX", labelLeft + 44, row(4) + 2, 30, 8, label);
    addPages(panel, pagesId);
    return panel;
}

void UnitFrontPanel::addResources(Platform::Resources& aResources)
{
    aResources.addDialog(dialogTemplate());
    Platform::StringTable& strings = aResources.strings();
    strings.addRun(firstClockSourceText, {"Digital Input", "Ref Input--SR Conv. Off", "Ref Input--SR Conv. On",
                                         "Internal 48 kHz", "Internal 44.1 kHz", "Internal 32 kHz"});
    strings.addRun(firstDelayModeText, {"Internal", "External"});
    LedBitmaps::addResources(aResources);
    FrontPanel::addResources(aResources);
    UnitPageTabs::addResources(aResources);
}
