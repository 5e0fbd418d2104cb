#include "Tessiva/Panels/Pages/ReferenceInputPage.h"

#include "Platform/Window/Resources.h"
#include "Toolkit/Controls/Win32BitmapObserver.h"
#include "Toolkit/Controls/Win32StringListBoxObserver.h"
#include "Toolkit/Parameter/ParameterId.h"

namespace
{
// The lists in binding order, with their strings and status parameters.
struct StatusList
{
    int controlId;
    unsigned firstString;
    unsigned lastString;
    int index; // of group 'b'
};

const StatusList theStatusLists[] = {
    {ReferenceInputPage::lockStatusId, ReferenceInputPage::firstLockStatusText,
     ReferenceInputPage::firstLockStatusText + 1, 0},
    {ReferenceInputPage::sampleRateId, ReferenceInputPage::firstSampleRateText,
     ReferenceInputPage::firstSampleRateText + 3, 1},
    {ReferenceInputPage::integrityId, ReferenceInputPage::firstIntegrityText,
     ReferenceInputPage::firstIntegrityText + 1, 2},
    {ReferenceInputPage::formatId, ReferenceInputPage::firstFormatText, ReferenceInputPage::firstFormatText + 1, 3},
    {ReferenceInputPage::subcodeSampleRateId, ReferenceInputPage::firstSampleRateText,
     ReferenceInputPage::firstSampleRateText + 3, 5},
    {ReferenceInputPage::audioBitId, ReferenceInputPage::firstAudioBitText, ReferenceInputPage::firstAudioBitText + 1,
     4},
};

// Every LED shows one bit of the stream number.
const ParameterId theStreamNumber('b', 12);
}

ReferenceInputPage::ReferenceInputPage(const DeviceKey& aKey, CTessivaDoc* aDocument)
    : DevicePage(aKey, aDocument, templateId)
{
}

ReferenceInputPage::~ReferenceInputPage() = default;

void ReferenceInputPage::doDataExchange()
{
    DevicePage::doDataExchange();
    for (int list = 0; list < theListCount; ++list)
    {
        myLists[list].emplace(&control(theStatusLists[list].controlId));
    }
}

void ReferenceInputPage::bindControls()
{
    createStatusObservers();
    createLedObservers();
}

void ReferenceInputPage::createStatusObservers()
{
    for (int list = 0; list < theListCount; ++list)
    {
        const StatusList& entry = theStatusLists[list];
        bindStatus(myListObservers[list], ParameterId('b', entry.index), myLists[list]->window(), entry.firstString,
                   entry.lastString, strings());
    }
}

void ReferenceInputPage::createLedObservers()
{
    bindLedRow(myLeds, theStreamNumber, firstLedId);
}
