#include "Tessiva/Panels/Pages/DualMonoPage.h"

#include "Platform/Window/Resources.h"
#include "Toolkit/Controls/MeterObserver.h"
#include "Toolkit/Controls/MeterSettings.h"
#include "Toolkit/Controls/Win32CheckBoxObserver.h"
#include "Toolkit/Controls/Win32ComboBoxObserver.h"
#include "Toolkit/Parameter/ParameterId.h"

DualMonoPage::DualMonoPage(const DeviceKey& aKey, CTessivaDoc* aDocument)
    : DevicePage(aKey, aDocument, templateId)
{
}

DualMonoPage::~DualMonoPage() = default;

void DualMonoPage::bindControls()
{
    bindControl(myInfoExistsObserver, ParameterId('B', 17), &control(infoExistsId), 1);
    bindControl(myDialogNormalizationObserver, ParameterId('B', 6), &control(dialogNormalizationId),
                firstDialogNormalizationText, firstDialogNormalizationText + 31, strings());
    bindControl(myMixLevelObserver, ParameterId('B', 18), &control(mixLevelId), firstMixLevelText,
                firstMixLevelText + 31, strings());
    bindControl(myRoomTypeObserver, ParameterId('B', 19), &control(roomTypeId), firstRoomTypeText,
                firstRoomTypeText + 2, strings());

    // Each meter keeps its own copy of its settings.
    const MeterSettings inputLevel = MeterSettings::horizontalBar(9.03125, -60.0, 0.0, -60.0, -0.564453125);
    bindStatus(myInputLevelObserver, ParameterId('C', 11), &control(inputLevelBarId), &myScaler, &inputLevel);
    const MeterSettings lineMode = MeterSettings::horizontalBar(-24.0, 0.0, 24.0, -24.0, 0.1875);
    bindStatus(myLineModeObserver, ParameterId('C', 13), &control(lineModeBarId), &myScaler, &lineMode);
    const MeterSettings rfMode = MeterSettings::horizontalBar(-48.0, 0.0, 24.0, -24.0, 0.375);
    bindStatus(myRfModeObserver, ParameterId('C', 15), &control(rfModeBarId), &myScaler, &rfMode);
}
