#include "Tessiva/Panels/Pages/InputOutputPage.h"

#include "Models/ParameterIds.h"
#include "Platform/Window/Resources.h"
#include "Tessiva/Panels/Pages/InputChannelRoutingDialog.h"
#include "Tessiva/Panels/Pages/PollingView.h"
#include "Toolkit/Controls/Win32CheckBoxObserver.h"
#include "Toolkit/Controls/Win32ComboBoxObserver.h"
#include "Toolkit/Controls/Win32StringListBoxObserver.h"
#include "Toolkit/Parameter/ParameterId.h"

namespace
{
using Page = InputOutputPage;

const ParameterId theTimeCodePackets('H', 7);
const ParameterId theOutputAudioBit('H', 9);

struct StatusBinding
{
    int id;
    int index;
    unsigned firstText;
    unsigned lastText;
};

// In the order the observers are made; all in group 'I'.
const StatusBinding theStatusLists[Page::statusListCount] = {
    {Page::lockStatusId, 0, Page::firstLockText, Page::firstLockText + 1},
    {Page::sampleRateId, 1, Page::firstRateText, Page::lastRateText},
    {Page::integrityId, 2, Page::firstIntegrityText, Page::firstIntegrityText + 1},
    {Page::subcodeFormatId, 3, Page::firstSubcodeFormatText, Page::firstSubcodeFormatText + 1},
    {Page::subcodeSampleRateId, 6, Page::firstRateText, Page::lastRateText},
    {Page::subcodeEmphasisId, 5, Page::firstEmphasisText, Page::firstEmphasisText + 1},
    {Page::subcodeAudioBitId, 4, Page::firstAudioBitText, Page::firstAudioBitText + 1}};

}

InputOutputPage::InputOutputPage(const DeviceKey& aKey, CTessivaDoc* aDocument, PollingView* aView,
                                 unsigned aDialogId)
    : DevicePage(aKey, aDocument, aDialogId), myView(aView)
{
}

InputOutputPage::~InputOutputPage() = default;

bool InputOutputPage::onInitDialog()
{
    const bool result = DevicePage::onInitDialog();
    if (result)
    {
        // Guarded inside, so that the polls start again after an error.
        if (Platform::Window* routing = window()->findChild(routingButtonId))
        {
            routing->on(Platform::Notification::Clicked, [this](Platform::Event&) { onInputChannelRouting(); });
        }
    }
    return result;
}

void InputOutputPage::doDataExchange()
{
    myTimeCodePackets = &control(timeCodePacketsId);
    myOutputFormat = &control(outputFormatId);
    myOutputAudioBit = &control(outputAudioBitId);
    for (int n = 0; n < statusListCount; ++n)
    {
        myStatusLists[n].emplace(&control(theStatusLists[n].id));
    }
}

void InputOutputPage::bindControls()
{
    bindControl(myTimeCodePacketsObserver, theTimeCodePackets, myTimeCodePackets, 1);
    bindControl(myOutputFormatObserver, ParameterIds::outputMode, myOutputFormat, firstOutputFormatText,
                lastOutputFormatText, strings());
    bindControl(myOutputAudioBitObserver, theOutputAudioBit, myOutputAudioBit, firstAudioBitText,
                firstAudioBitText + 1, strings());
    for (int n = 0; n < statusListCount; ++n)
    {
        const StatusBinding& binding = theStatusLists[n];
        bindStatus(myStatusListObservers[n], ParameterId('I', binding.index), myStatusLists[n]->window(),
                   binding.firstText, binding.lastText, strings());
    }
}

void InputOutputPage::onInputChannelRouting()
{
    if (myView == nullptr)
    {
        return;
    }
    PollingView* view = myView;
    view->stopPolling();
    guarded([this]() {
        InputChannelRoutingDialog dialog(key(), document());
        dialog.doModal();
    });
    // Also after an error that the guard reported.
    view->startPolling();
}
