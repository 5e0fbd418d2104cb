#include "Tessiva/Panels/Kq310FrontPanel.h"

#include "Platform/Assertion.h"
#include "Platform/Window/DialogTemplate.h"
#include "Platform/Window/Resources.h"
#include "Platform/Window/Window.h"
#include "Tessiva/CTessivaDoc.h"
#include "Tessiva/Controls/Win32CheckBoxObserver.h"
#include "Tessiva/Controls/Win32ComboBoxObserver.h"
#include "Tessiva/Controls/Win32ShowHideObserver.h"
#include "Tessiva/Controls/Win32StringListBoxObserver.h"
#include "Toolkit/Parameter/ParameterId.h"

using Platform::Notification;
using Platform::WindowKind;

namespace
{
const int theLabelId = -1;
const ParameterId theSampleRate('B', 0);
const ParameterId theSampleRateStatus('C', 0);
// 'B'0 -1 stands for automatic: its text is the one before the first rate.
const unsigned theFirstRate = 10101;
const unsigned theLastRate = 10104;
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

Kq310FrontPanel::~Kq310FrontPanel()
{
    mySampleRateObserver.reset();
    myAutoObserver.reset();
    mySampleRateStatusObserver.reset();
    mySampleRateSelector.reset();
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
    aResources.strings().addRun(theFirstRate - 1, {"Auto", "48 kHz", "44.1 kHz", "32 kHz", "Not Indicated"});
    FrontPanel::addResources(aResources);
    Kq310PageTabs::addResources(aResources);
}

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

    handle(sampleRateId, Notification::SelectionChanged, [this]() {
        if (mySampleRateObserver)
        {
            mySampleRateObserver->selectionChange();
        }
    });
    handle(autoId, Notification::Clicked, [this]() {
        if (myAutoObserver)
        {
            myAutoObserver->click();
        }
    });
    control(pagesId).on(Notification::TabSelectionChanged, [this](Platform::Event&) { myPages.selectionChange(); });
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
    mySampleRateObserver.reset(new Win32ComboBoxObserver(&control(sampleRateId), theFirstRate, theLastRate, strings()));
    document()->attachControlObserver(key(), theSampleRate, mySampleRateObserver.get());
}

void Kq310FrontPanel::createLfeObserver()
{
    myAutoObserver.reset(new Win32CheckBoxObserver(&control(autoId), theAutomatic));
    document()->attachControlObserver(key(), theSampleRate, myAutoObserver.get());
}

void Kq310FrontPanel::createStatusListObservers()
{
    mySampleRateStatusObserver.reset(
        new Win32StringListBoxObserver(&control(sampleRateStatusId), theFirstRate, theLastRate, strings()));
    document()->attachStatusObserver(key(), theSampleRateStatus, mySampleRateStatusObserver.get());
}

void Kq310FrontPanel::createSampleRateSelector()
{
    mySampleRateSelector.reset(
        new Win32ShowHideObserver(&control(sampleRateId), &control(sampleRateStatusId), theAutomatic));
    document()->attachControlObserver(key(), theSampleRate, mySampleRateSelector.get());
}
