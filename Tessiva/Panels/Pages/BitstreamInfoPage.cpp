#include "Tessiva/Panels/Pages/BitstreamInfoPage.h"

#include "Platform/Window/Resources.h"
#include "Toolkit/Controls/Win32CheckBoxObserver.h"
#include "Toolkit/Controls/Win32ComboBoxObserver.h"
#include "Toolkit/Parameter/ParameterId.h"

BitstreamInfoPage::BitstreamInfoPage(const DeviceKey& aKey, CTessivaDoc* aDocument)
    : DevicePage(aKey, aDocument, templateId)
{
}

BitstreamInfoPage::~BitstreamInfoPage() = default;

void BitstreamInfoPage::bindControls()
{
    createCheckBoxObservers();
    createComboBoxObservers();
}

void BitstreamInfoPage::createCheckBoxObservers()
{
    bindControl(myCopyrightObserver, ParameterId('B', 20), &control(copyrightBitId), 1);
    // This one only tells: the device stays open, also after a wire error.
    myTellingBinder.route(&attachControl(myOriginalObserver, ParameterId('B', 21), &control(originalBitstreamId), 1));
    bindControl(myInfoExistsObserver, ParameterId('B', 12), &control(infoExistsId), 1);
}

void BitstreamInfoPage::createComboBoxObservers()
{
    const struct
    {
        std::unique_ptr<Win32ComboBoxObserver>* observer;
        int id;
        unsigned firstText;
        unsigned lastText;
        int index;
    } combos[] = {{&myMixLevelObserver, mixLevelId, firstMixLevelText, firstMixLevelText + 31, 13},
                  {&myCenterMixObserver, centerMixLevelId, firstCenterMixText, firstCenterMixText + 2, 7},
                  {&mySurroundMixObserver, surroundMixLevelId, firstSurroundMixText, firstSurroundMixText + 2, 8},
                  {&mySurroundModeObserver, surroundModeId, firstSurroundModeText, firstSurroundModeText + 2, 9},
                  {&myRoomTypeObserver, roomTypeId, firstRoomTypeText, firstRoomTypeText + 2, 14}};
    for (const auto& combo : combos)
    {
        bindControl(*combo.observer, ParameterId('B', combo.index), &control(combo.id), combo.firstText,
                    combo.lastText, strings());
    }
}
