#include "Tessiva/Panels/Pages/UnitInputOutputPage.h"

#include "Models/ParameterIds.h"
#include "Platform/Window/Resources.h"
#include "Toolkit/Controls/Win32BitmapObserver.h"
#include "Toolkit/Controls/Win32CheckBoxObserver.h"
#include "Toolkit/Controls/Win32ComboBoxObserver.h"
#include "Toolkit/Controls/Win32EditObserver.h"
#include "Toolkit/Controls/Win32SpinObserver.h"
#include "Toolkit/Parameter/ParameterId.h"

namespace
{
using Page = UnitInputOutputPage;

const ParameterId theOutputStreamNumber('H', 8);
const ParameterId theInputStreamNumber('b', 11);

struct ComboBinding
{
    int id;
    ParameterId parameter;
    unsigned firstText;
    unsigned lastText;
};

// In the order the observers are made.
const ComboBinding theCombos[] = {
    {Page::channelAssignmentId, ParameterId('a', 1), Page::firstChannelAssignmentText,
     Page::firstChannelAssignmentText + 5},
    {Page::inputSourceId, ParameterIds::inputSource, Page::firstInputSourceText, Page::firstInputSourceText + 1},
    {Page::inputFormatId, ParameterIds::inputFormat, Page::firstInputFormatText, Page::firstInputFormatText + 2},
    {Page::auxDataId, ParameterIds::auxiliaryDataInput, Page::firstAuxDataText, Page::firstAuxDataText + 3},
    {Page::testToneId, ParameterId('a', 11), Page::firstTestToneText, Page::firstTestToneText + 3}};

}

UnitInputOutputPage::UnitInputOutputPage(const DeviceKey& aKey, CTessivaDoc* aDocument)
    : InputOutputPage(aKey, aDocument, nullptr, templateId)
{
}

UnitInputOutputPage::~UnitInputOutputPage() = default;

void UnitInputOutputPage::doDataExchange()
{
    InputOutputPage::doDataExchange();
    myOutputStreamEdit = &control(outputStreamEditId);
    myOutputStreamSpin = &control(outputStreamSpinId);
    myMultiplexMode = &control(multiplexModeId);
    for (int n = 0; n < theComboCount; ++n)
    {
        myCombos[n] = &control(theCombos[n].id);
    }
}

void UnitInputOutputPage::bindControls()
{
    InputOutputPage::bindControls();
    bindControl(myEditObserver, theOutputStreamNumber, myOutputStreamEdit, &myConverter);
    bindControl(mySpinObserver, theOutputStreamNumber, myOutputStreamSpin);
    for (int n = 0; n < theComboCount; ++n)
    {
        const ComboBinding& binding = theCombos[n];
        bindControl(myComboObservers[n], binding.parameter, myCombos[n], binding.firstText, binding.lastText,
                    strings());
    }
    bindControl(myMultiplexObserver, ParameterIds::multiplexMode, myMultiplexMode, 1);
    // Last: missing pictures leave every other control bound.
    bindLedRow(myLeds, theInputStreamNumber, firstLedId);
}
