#include "Tessiva/Panels/Kq310FrontPanel.h"

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

Kq310FrontPanel::Kq310FrontPanel(const DeviceKey& aKey, CTessivaDoc* aDocument, PollingView* aView)
    : FrontPanel(aKey, aDocument, templateId), myView(aView)
{
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

bool Kq310FrontPanel::onInitDialog()
{
    const bool result = FrontPanel::onInitDialog();
    guarded([this]() { createSampleRateObservers(); });
    // Outside the guard: a page that cannot be made reaches the caller.
    myPages.addPages(key(), document(), myView);
    return result;
}

void Kq310FrontPanel::createSampleRateObservers()
{
    bindControl(mySampleRateObserver, theSampleRate, &control(sampleRateId), firstRateText, lastRateText, strings());
    bindControl(myAutoObserver, theSampleRate, &control(autoId), theAutomatic);
    bindStatus(mySampleRateStatusObserver, theSampleRateStatus, &control(sampleRateStatusId), firstRateText,
               lastRateText, strings());
    bindControl(mySampleRateSelector, theSampleRate, &control(sampleRateId), &control(sampleRateStatusId),
                theAutomatic);
}
