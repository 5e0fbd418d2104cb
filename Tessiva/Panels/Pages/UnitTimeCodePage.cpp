#include "Tessiva/Panels/Pages/UnitTimeCodePage.h"

#include "Platform/Window/Resources.h"
#include "Platform/Window/Window.h"
#include "Toolkit/Controls/ComboBoxItemTextObserver.h"
#include "Toolkit/Controls/ListBoxItemTextObserver.h"
#include "Toolkit/Controls/Win32ComboBoxObserver.h"
#include "Toolkit/Controls/Win32StringListBoxObserver.h"
#include "Toolkit/Parameter/ParameterId.h"

UnitTimeCodePage::UnitTimeCodePage(const DeviceKey& aKey, CTessivaDoc* aDocument)
    : TimeCodePage(aKey, aDocument, templateId)
{
}

UnitTimeCodePage::~UnitTimeCodePage() = default;

void UnitTimeCodePage::doDataExchange()
{
    TimeCodePage::doDataExchange();
    mySource = &control(sourceId);
    myPendingPreset = &control(pendingPresetId);
    myCurrentPreset.emplace(&control(currentPresetId));
}

void UnitTimeCodePage::bindControls()
{
    TimeCodePage::bindControls();
    // One text: the observer adds the next ones as the range of 'a'7 asks.
    bindControl(mySourceObserver, ParameterId('a', 7), mySource, firstSourceText, firstSourceText, strings());
    bindControl(myPendingPresetObserver, ParameterId('a', 15), myPendingPreset, firstPresetText, lastPresetText,
                strings());
    bindStatus(myCurrentPresetObserver, ParameterId('b', 8), myCurrentPreset->window(), firstPresetText,
               lastPresetText, strings());
    for (int preset = 0; preset < presetCount; ++preset)
    {
        // Item 0 is "None": preset n + 1 is item n + 1.
        const ParameterId name('d', preset);
        bindControl(myListItemObservers[preset], name, preset + 1, myCurrentPreset->window());
        bindControl(myComboItemObservers[preset], name, preset + 1, myPendingPreset);
    }
}
