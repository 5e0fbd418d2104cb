// The resources of the KQ310's panel family: the panel's template and its
// sample-rate texts, and those of its own pages.
#include "Tessiva/Panels/Kq310FrontPanel.h"

#include "Platform/Window/DialogTemplate.h"
#include "Platform/Window/Resources.h"

using Platform::WindowKind;

namespace
{
const int theLabelId = -1;
}

Platform::DialogTemplate Kq310FrontPanel::dialogTemplate()
{
    Platform::WindowStyle label;
    label.tabStop = false;
    Platform::WindowStyle list;
    list.tabStop = false;
    // Shown by the observer of Auto in the combo box's place.
    list.visible = false;
    Platform::DialogTemplate panel(templateId, "", panelWidth, panelHeight);
    FrontPanel::addControls(panel);
    // The list of the detected rate stands in the combo box's place.
    panel.add(WindowKind::Static, theLabelId, "Sample Rate", labelLeft, modelRowsTop + 2, labelWidth, 8, label)
        .add(WindowKind::ComboBox, sampleRateId, "", fieldLeft, modelRowsTop, 70, 80)
        .add(WindowKind::ListBox, sampleRateStatusId, "", fieldLeft, modelRowsTop + 1, 70, 10, list)
        .add(WindowKind::CheckBox, autoId, "Auto", fieldLeft + 76, modelRowsTop + 1, 40, 10);
    addPages(panel, pagesId);
    return panel;
}

void Kq310FrontPanel::addResources(Platform::Resources& aResources)
{
    aResources.addDialog(dialogTemplate());
    aResources.strings().addRun(firstRateText - 1, {"Auto", "48 kHz", "44.1 kHz", "32 kHz", "Not Indicated"});
    FrontPanel::addResources(aResources);
    Kq310PageTabs::addResources(aResources);
}
