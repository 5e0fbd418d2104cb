#include "Tessiva/Panels/Kq310FrontPanel.h"

#include "Platform/Assertion.h"
#include "Platform/Window/Window.h"
#include "Tessiva/CTessivaDoc.h"
#include "Toolkit/Controls/Win32CheckBoxObserver.h"
#include "Toolkit/Controls/Win32ComboBoxObserver.h"
#include "Toolkit/Controls/Win32ShowHideObserver.h"
#include "Toolkit/Controls/Win32StringListBoxObserver.h"
#include "Toolkit/Parameter/ParameterId.h"


namespace
{
const ParameterId theSampleRate('B', 0);
const ParameterId theSampleRateStatus('C', 0);
const int theAutomatic = -1;
}

Kq310FrontPanel::Kq310FrontPanel(Platform::Window* aParentWindow, const DeviceKey& aKey, CTessivaDoc* aDocument,
                                 PollingView* aView)
    : FrontPanel(aParentWindow, aKey, aDocument, templateId)
{
    const bool created = create(templateId, aParentWindow);
    VORNA_ASSERT(created);
    raiseWindow();
    FrontPanel::createObservers();
    createObservers();
    // Outside the guard: a page that cannot be made reaches the caller.
    myPages.addPages(key(), document(), aView);
}

Kq310FrontPanel::~Kq310FrontPanel() = default;

void Kq310FrontPanel::getName(std::string& aName) const
{
    aName = "Kq310";
}

void Kq310FrontPanel::doDataExchange()
{
    FrontPanel::doDataExchange();
    myPages.attach(&control(pagesId));
    control(autoId);
    control(sampleRateId);
    mySampleRateStatus.emplace(&control(sampleRateStatusId));
}

void Kq310FrontPanel::createObservers()
{
    guarded([this]() {
        createCodingObservers();
        createLfeObserver();
        createStatusListObservers();
        createSampleRateSelector();
    });
}

void Kq310FrontPanel::createCodingObservers()
{
    bindControl(mySampleRateObserver, theSampleRate, &control(sampleRateId), firstRateText, lastRateText, strings());
}

void Kq310FrontPanel::createLfeObserver()
{
    bindControl(myAutoObserver, theSampleRate, &control(autoId), theAutomatic);
}

void Kq310FrontPanel::createStatusListObservers()
{
    bindStatus(mySampleRateStatusObserver, theSampleRateStatus, &control(sampleRateStatusId), firstRateText,
               lastRateText, strings());
}

void Kq310FrontPanel::createSampleRateSelector()
{
    bindControl(mySampleRateSelector, theSampleRate, &control(sampleRateId), &control(sampleRateStatusId),
                theAutomatic);
}
