#include "Models/Unit/UnitParameterTable.h"

#include "Models/EmptyDefinition.h"
#include "Models/ParameterIds.h"
#include "Models/SamplingFrequencyDefinition.h"
#include "Models/Unit/AuxiliaryDataInputDefinition.h"
#include "Models/Unit/AuxiliaryDataRule.h"
#include "Models/Unit/BcdRateCounter.h"
#include "Models/Unit/ChannelPairModeDefinition.h"
#include "Models/Unit/ClampedRateCounter.h"
#include "Models/Unit/ClockCodingDelayRule.h"
#include "Models/Unit/ClockLockRule.h"
#include "Models/Unit/ClockSourceDefinition.h"
#include "Models/Unit/ClockSourceRule.h"
#include "Models/Unit/CodingDelayDefinition.h"
#include "Models/Unit/CodingDelayMirrorRule.h"
#include "Models/Unit/CodingDelayModeRule.h"
#include "Models/Unit/CodingDelayValueRule.h"
#include "Models/Unit/CurrentPresetRule.h"
#include "Models/Unit/DeviceTypeCheck.h"
#include "Models/Unit/FirmwareRevisionCheck.h"
#include "Models/Unit/InputFormatDefinition.h"
#include "Models/Unit/InputFormatEncoderStateRule.h"
#include "Models/Unit/InputFormatLimitRule.h"
#include "Models/Unit/InputSourceLimitRule.h"
#include "Models/Unit/MultiplexAvailabilityRule.h"
#include "Models/Unit/MultiplexOutputModeRule.h"
#include "Models/Unit/OutputModeLimitRule.h"
#include "Models/Unit/PresetChangeObserver.h"
#include "Models/Unit/PresetEncoderStateRule.h"
#include "Models/Unit/PresetRecallRule.h"
#include "Models/Unit/RecallPresetPendingDefinition.h"
#include "Models/Unit/ReferenceLockRule.h"
#include "Models/Unit/SameTextIgnoringCase.h"
#include "Models/Unit/TestToneModeDefinition.h"
#include "Models/Unit/UnitCodingModeRule.h"
#include "Models/Unit/UnitDataRateRule.h"
#include "Models/Unit/UnitEncoderStateRule.h"
#include "Platform/Assertion.h"
#include "Toolkit/Parameter/HtmlReport.h"
#include "Toolkit/Parameter/HtmlRowWriter.h"
#include "Toolkit/Parameter/NumericDefinition.h"
#include "Toolkit/Parameter/TextDefinition.h"
#include "Toolkit/Parameter/TextLineWriter.h"
#include "Toolkit/Parameter/TwoStateDefinition.h"
#include "Toolkit/Parameter/VornaException.h"

#include <ostream>
#include <utility>

namespace
{
using Definition = std::unique_ptr<ParameterDefinition>;

const int identificationGroup = 0xF8;
const int smallestInteger = -32768;
const int largestInteger = 32767;
const std::size_t presetNamesPerCollection = 16;

Definition twoState(const std::string& aName, const std::string& aTextForZero, const std::string& aTextForNonZero)
{
    return std::make_unique<TwoStateDefinition>(aName, aTextForZero, aTextForNonZero);
}

Definition text(const std::string& aName)
{
    return std::make_unique<TextDefinition>(aName);
}

// The report sections of a unit, in report order.
struct Section
{
    char group;
    const char* caption;
};

const Section theSections[] = {
    {'B', "CONFIGURATION CONTROL"},
    {'H', "INPUT/OUTPUT CONTROL"},
    {'E', "PROCESSING STATE CONTROL"},
    {'a', "KQ330/KQ350 CONTROL"},
    {'d', "PRESET NAMES"},
};

// The common rows that the units lack, with the limits of their stand-ins.
struct MissingRow
{
    char group;
    int index;
    int minimum;
    int maximum;
};

const MissingRow theMissingRows[] = {
    {'B', 0, -1, -1}, {'B', 34, -1, -1}, {'B', 35, -1, -1}, {'E', 1, 0, 0},  {'H', 0, 0, 0},  {'H', 1, 0, 0},
    {'H', 2, 0, 0},   {'H', 3, 0, 0},    {'H', 4, 0, 0},    {'H', 5, 0, 0},  {'H', 10, 0, 0}, {'H', 11, 0, 0},
};
}

UnitParameterTable::UnitParameterTable(AbstractProtocol* anOwner, std::uint16_t aSampleRateLimit32,
                                       std::uint16_t aSampleRateLimit44, std::uint16_t aSampleRateLimitOther,
                                       std::uint16_t aCodingDelayMaximum, const std::string& aDeviceType,
                                       const std::string& aMinimumFirmware, bool aTrackValues)
    : ParameterTable(anOwner), mySampleRateLimit32(aSampleRateLimit32), mySampleRateLimit44(aSampleRateLimit44),
      mySampleRateLimitOther(aSampleRateLimitOther), myCodingDelayMaximum(aCodingDelayMaximum),
      myDeviceType(aDeviceType), myMinimumFirmware(aMinimumFirmware), myTrackValues(aTrackValues)
{
    myIdleCallback.installOn(myOwner);
    addUnitControlParameters(myOwner);
    addUnitStatusParameters(myOwner);
    addIdentificationParameters(myOwner);
    // The rows of the model that the unit reports; the device-type check
    // below refuses a unit of the other model.
    addKq330Parameters(myOwner);
    addKq350Parameters(myOwner);
    buildCodingDelayParameters();
    limitDeemphasis();
    replaceCommonParameters();
    clearRestorableFlags();
    readUnitGroups(myOwner);
    installRules();
    attachChangeObservers();
    if (myTrackValues)
    {
        installValueTrackers();
    }
    startPolling();
}

// Out of line: the trackers' type is only declared in the header.
UnitParameterTable::~UnitParameterTable() = default;

// Unit control parameters -------------------------------------------------------

void UnitParameterTable::addUnitControlParameters(AbstractProtocol* anOwner)
{
    addPresetNameParameters(anOwner);
    addDynamicRangePresetNames();
    addControl(anOwner, 'a', 2, 0, 5, std::make_unique<ClockSourceDefinition>());
    addControl(anOwner, 'a', 3, 0, 2, std::make_unique<InputFormatDefinition>());
    addControl(anOwner, 'a', 4, 0, 1, twoState("Multiplex Mode", "Disabled", "Enabled"));
    addControl(anOwner, 'a', 5, -1, static_cast<std::int16_t>(myCodingDelayMaximum),
               std::make_unique<CodingDelayDefinition>());
    addControl(anOwner, 'a', 6, 0, 3, std::make_unique<AuxiliaryDataInputDefinition>());
    addControl(anOwner, 'a', 7, 0, 1,
               twoState("Time Code Source", "Longitudinal Time Code (LTC)", "Vertical Interval Time Code (VITC)"));
    addControl(anOwner, 'a', 8, 0, 1, twoState("Bypass Mode", "Disabled", "Enabled"));
    // The preset to recall, and the preset to save (which takes the unit a while).
    addControl(anOwner, 'a', 9, 0, 32, std::make_unique<EmptyDefinition>());
    addControl(anOwner, 'a', 10, 1, 28, std::make_unique<EmptyDefinition>()).setSettleTime(nameSettleTime);
    addControl(anOwner, 'a', 11, 0, 3, std::make_unique<TestToneModeDefinition>());
    addControl(anOwner, 'a', 12, 0, 16, std::make_unique<EmptyDefinition>());
    addControl(anOwner, 'a', 13, 9, 16, std::make_unique<EmptyDefinition>());
    addControl(anOwner, 'a', 14, smallestInteger, largestInteger, text("Unit Name")).setSettleTime(nameSettleTime);
    addControl(anOwner, 'a', 15, 0, 32, std::make_unique<RecallPresetPendingDefinition>());
}

void UnitParameterTable::addPresetNameParameters(AbstractProtocol* anOwner)
{
    for (std::size_t preset = 0; preset < presetNameCount; ++preset)
    {
        ParameterDefinition* definition = ownDefinition(text("Preset " + std::to_string(preset + 1) + " Name"));
        const ControlParameter name(anOwner, ParameterId('d', static_cast<int>(preset)),
                                    ParameterValue::minimum(), ParameterValue::maximum(), definition);
        ControlParameter& entry = myPresetNames[preset / presetNamesPerCollection].add(name);
        entry.setRestorable(false);
        entry.setSettleTime(nameSettleTime);
    }
}

void UnitParameterTable::addDynamicRangePresetNames()
{
    // Kept by the program alone: the unit never hears of them.
    for (int preset = 0; preset < 16; ++preset)
    {
        ControlParameter& name =
            addControl(localProtocol(), 'f', preset, smallestInteger, largestInteger,
                       text("Dynamic Range Preset " + std::to_string(preset) + " Name"));
        name.setRestorable(false);
        name.setSettleTime(nameSettleTime);
        name.setValue(ParameterValue(std::string("Dyn Range ") + std::to_string(preset)));
    }
}

// Unit status parameters ----------------------------------------------------------

void UnitParameterTable::addUnitStatusParameters(AbstractProtocol* anOwner)
{
    addStatus(anOwner, 'b', 0, 0, 1, twoState("Reference Input Locked", "No", "Yes"));
    addStatus(anOwner, 'b', 1, 0, 3, std::make_unique<SamplingFrequencyDefinition>("Reference Input Sampling Frequency"));
    addStatus(anOwner, 'b', 2, 0, 1, twoState("Reference Input Signal Integrity", "High", "Low"));
    addStatus(anOwner, 'b', 3, 0, 1, twoState("Reference Input CS Pro-Consumer Bit", "Consumer", "Professional"));
    addStatus(anOwner, 'b', 4, 0, 1, twoState("Reference Input CS Audio Bit", "Audio Data", "Non-Audio Data"));
    addStatus(anOwner, 'b', 5, 0, 3,
              std::make_unique<SamplingFrequencyDefinition>("Reference Input CS Sampling Frequency"));
    addStatus(anOwner, 'b', 6, 0, 3, nullptr);
    // The coding delay that the unit runs with.
    addStatus(anOwner, 'b', 7, -1, static_cast<std::int16_t>(myCodingDelayMaximum), nullptr);
    addStatus(anOwner, 'b', 8, 0, 32, std::make_unique<NumericDefinition>("Current Preset"));
    // The unit does not report it: the program's own, so polls never change it.
    addStatus(localProtocol(), 'b', 9, 0, 32, std::make_unique<NumericDefinition>("Current Dynamic Range Preset"));
    addStatus(anOwner, 'b', 10, 0, 1, twoState("Pass Through Mode", "Disabled", "Enabled"));
    addStatus(anOwner, 'b', 11, 0, 255, nullptr);
    addStatus(anOwner, 'b', 12, 0, 255, nullptr);
}

// Identification and model rows ----------------------------------------------------

void UnitParameterTable::addIdentificationParameters(AbstractProtocol* anOwner)
{
    addStatus(anOwner, identificationGroup, 0, smallestInteger, largestInteger, text("Device Type"));
    addStatus(anOwner, identificationGroup, 1, smallestInteger, largestInteger, text("Firmware Version"));
    // Read here and nowhere else: no poll ring holds the group.
    myStatusParameters.refresh(anOwner, identificationGroup);
}

bool UnitParameterTable::reportsModel(const std::string& aModel)
{
    const Parameter& deviceType = myStatusParameters.find(ParameterId(identificationGroup, 0));
    return sameTextIgnoringCase(deviceType.value().toString(), aModel);
}

void UnitParameterTable::addKq330Parameters(AbstractProtocol* anOwner)
{
    if (!reportsModel("kq330"))
    {
        return;
    }
    addControl(anOwner, 'a', 0, 0, 1, twoState("Input Source", "Analog", "Digital"));
    addReservedControl('a', 1, 0, 0);
}

void UnitParameterTable::addKq350Parameters(AbstractProtocol* anOwner)
{
    if (!reportsModel("kq350"))
    {
        return;
    }
    // A KQ350 has the digital input only.
    addReservedControl('a', 0, 1, 1);
    addControl(anOwner, 'a', 1, 0, 5, std::make_unique<ChannelPairModeDefinition>());
}

// Local coding delay, model limits and missing rows ------------------------------------

void UnitParameterTable::buildCodingDelayParameters()
{
    addControl(localProtocol(), 'o', 0, 0, 1, nullptr);
    addControl(localProtocol(), 'o', 1, mySampleRateLimitOther, myCodingDelayMaximum, nullptr)
        .setValue(ParameterValue(myCodingDelayMaximum));
    addStatus(localProtocol(), 'o', 2, 0, 1, nullptr);
}

void UnitParameterTable::limitDeemphasis()
{
    // The units cannot apply deemphasis: automatic or off only.
    myControlParameters.find(ParameterId('B', 33)).setMaximum(ParameterValue(0));
}

void UnitParameterTable::replaceCommonParameters()
{
    // Each stand-in takes the common row's place in the map with an empty
    // observer list: the common observers of the row are told it is gone.
    for (const MissingRow& row : theMissingRows)
    {
        addReservedControl(row.group, row.index, row.minimum, row.maximum);
    }
}

void UnitParameterTable::clearRestorableFlags()
{
    const int notSaved[] = {12, 13, 9, 10};
    for (int index : notSaved)
    {
        myControlParameters.find(ParameterId('a', index)).setRestorable(false);
    }
}

void UnitParameterTable::readUnitGroups(AbstractProtocol* anOwner)
{
    myControlParameters.refresh(anOwner, 'a');
    myPresetNames[0].refresh(anOwner, 'd');
    myPresetNames[1].refresh(anOwner, 'd');
    myControlParameters.refresh(anOwner, 'f');
    myControlParameters.refresh(anOwner, 'o');
    myStatusParameters.refresh(anOwner, 'b');
}

// Rules ------------------------------------------------------------------------------

void UnitParameterTable::installRules()
{
    StatusCollection* status = &myStatusParameters;
    ControlCollection* control = &myControlParameters;
    // First, so that a unit of another model is refused before any rule looks
    // for the model rows.
    ownObserver(std::make_unique<DeviceTypeCheck>(status, control, myDeviceType));
    installDataRateRule();
    installAuxiliaryDataRule();
    installClockSourceRule();
    installMultiplexRule();
    installCodingModeRule();
    installInputFormatRule();
    installInputSourceRule();
    installClockLockRule();
    installOutputModeRule();
    ownObserver(std::make_unique<ReferenceLockRule>(status, control));
    ownObserver(std::make_unique<PresetRecallRule>(status, control, this));
    ownObserver(std::make_unique<CurrentPresetRule>(status, control, this));
    ownObserver(std::make_unique<CodingDelayMirrorRule>(status, control));
    ownObserver(std::make_unique<CodingDelayModeRule>(status, control, mySampleRateLimit32, mySampleRateLimit44,
                                                      mySampleRateLimitOther, myCodingDelayMaximum));
    ownObserver(std::make_unique<CodingDelayValueRule>(status, control));
    ownObserver(std::make_unique<ClockCodingDelayRule>(status, control, mySampleRateLimit32, mySampleRateLimit44,
                                                       mySampleRateLimitOther));
    ownObserver(std::make_unique<MultiplexOutputModeRule>(status, control));
    ownObserver(std::make_unique<InputFormatEncoderStateRule>(status, control));
    ownObserver(std::make_unique<UnitEncoderStateRule>(status, control));
    ownObserver(std::make_unique<PresetEncoderStateRule>(status, control));
    // Last, after every rule has applied its limits once.
    ownObserver(std::make_unique<FirmwareRevisionCheck>(status, control, myMinimumFirmware));
}

void UnitParameterTable::installDataRateRule()
{
    const ParameterId watched[] = {ParameterIds::auxiliaryDataInput, ParameterIds::dataRate, ParameterIds::lfeChannel,
                                   ParameterIds::bitStreamMode};
    for (const ParameterId& id : watched)
    {
        ownObserver(std::make_unique<UnitDataRateRule>(id, &myStatusParameters, &myControlParameters));
    }
}

void UnitParameterTable::installCodingModeRule()
{
    const ParameterId watched[] = {ParameterIds::auxiliaryDataInput, ParameterIds::audioCodingMode, ParameterIds::outputMode,
                                   ParameterIds::clockSource};
    for (const ParameterId& id : watched)
    {
        ownObserver(std::make_unique<UnitCodingModeRule>(id, &myStatusParameters, &myControlParameters));
    }
}

void UnitParameterTable::installAuxiliaryDataRule()
{
    const ParameterId watched[] = {ParameterIds::audioCodingMode, ParameterIds::dataRate, ParameterIds::inputFormat};
    for (const ParameterId& id : watched)
    {
        ownObserver(std::make_unique<AuxiliaryDataRule>(id, &myStatusParameters, &myControlParameters));
    }
}

void UnitParameterTable::installClockSourceRule()
{
    const ParameterId watched[] = {ParameterIds::inputFormat, ParameterIds::multiplexMode, ParameterIds::codingDelay,
                                   ParameterIds::dataRate, ParameterIds::outputMode, ParameterIds::inputSource};
    for (const ParameterId& id : watched)
    {
        ownObserver(std::make_unique<ClockSourceRule>(id, &myStatusParameters, &myControlParameters,
                                                      mySampleRateLimit32, mySampleRateLimit44));
    }
}

void UnitParameterTable::installMultiplexRule()
{
    const ParameterId watched[] = {ParameterIds::outputMode, ParameterIds::clockSource};
    for (const ParameterId& id : watched)
    {
        ownObserver(std::make_unique<MultiplexAvailabilityRule>(id, &myStatusParameters, &myControlParameters));
    }
}

void UnitParameterTable::installClockLockRule()
{
    Parameter* const watched[] = {&myControlParameters.find(ParameterIds::clockSource),
                                  &myStatusParameters.find(ParameterId('b', 0)),
                                  &myStatusParameters.find(ParameterId('I', 0))};
    for (Parameter* parameter : watched)
    {
        ownObserver(std::make_unique<ClockLockRule>(parameter, &myStatusParameters, &myControlParameters));
    }
}

void UnitParameterTable::installInputFormatRule()
{
    const ParameterId watched[] = {ParameterIds::requestedEncoderState, ParameterIds::clockSource, ParameterIds::inputSource,
                                   ParameterIds::auxiliaryDataInput};
    for (const ParameterId& id : watched)
    {
        ownObserver(std::make_unique<InputFormatLimitRule>(id, &myStatusParameters, &myControlParameters));
    }
}

void UnitParameterTable::installInputSourceRule()
{
    const ParameterId watched[] = {ParameterIds::clockSource, ParameterIds::inputFormat};
    for (const ParameterId& id : watched)
    {
        ownObserver(std::make_unique<InputSourceLimitRule>(id, &myStatusParameters, &myControlParameters));
    }
}

void UnitParameterTable::installOutputModeRule()
{
    const ParameterId watched[] = {ParameterIds::dataRate, ParameterIds::clockSource};
    for (const ParameterId& id : watched)
    {
        ownObserver(std::make_unique<OutputModeLimitRule>(id, &myStatusParameters, &myControlParameters));
    }
}

void UnitParameterTable::attachChangeObservers()
{
    const ParameterId presetRecall('a', 9);
    const ParameterId encoderState('E', 0);
    for (ControlCollection::Map::value_type& entry : myControlParameters.parameters())
    {
        if (entry.first != presetRecall && entry.first != encoderState)
        {
            ownObserver(std::make_unique<PresetChangeObserver>(&entry.second, this));
        }
    }
}

void UnitParameterTable::onControlEdited()
{
    if (!myRefreshing)
    {
        myControlParameters.find(ParameterId('a', 9)).setValue(ParameterValue(0));
    }
}

// Trackers and polling -------------------------------------------------------------

void UnitParameterTable::installValueTrackers()
{
    // The levels may only fall between polls, the compression only rise.
    const int levels[] = {4, 6, 5, 7, 8, 9};
    for (int index : levels)
    {
        addTracker('C', index, std::make_unique<ClampedRateCounter>(-256.0f, 0.0f));
    }
    addTracker('C', 10, std::make_unique<ClampedRateCounter>(0.0f, 1.0f));
    addTracker('C', 11, std::make_unique<ClampedRateCounter>(0.0f, 1.0f));
    addTracker('F', 6, std::make_unique<BcdRateCounter>());
}

void UnitParameterTable::addTracker(int aGroup, int anIndex, std::unique_ptr<ValueTracker> aTracker)
{
    Parameter& parameter = myStatusParameters.find(ParameterId(aGroup, anIndex));
    myTrackers.push_back(std::move(aTracker));
    parameter.setValueTracker(myTrackers.back().get());
    myIdleCallback.append(&parameter);
}

void UnitParameterTable::startPolling()
{
    addPollGroup('b');
    addPollGroup('F');
    addPollGroup('C');
    for (int poll = 0; poll < startupPolls; ++poll)
    {
        dispatchQueued();
    }
}

// Refresh and observers ----------------------------------------------------------------

void UnitParameterTable::refreshControls()
{
    if (myRefreshing)
    {
        return;
    }
    myRefreshing = true;
    try
    {
        ParameterTable::refreshControls();
        myPresetNames[0].refreshAll(myOwner);
        myPresetNames[1].refreshAll(myOwner);
    }
    catch (...)
    {
        myRefreshing = false;
        throw;
    }
    myRefreshing = false;
}

void UnitParameterTable::attachControlObserver(const ParameterId& anId, Observer* anObserver)
{
    VORNA_ASSERT(anObserver != NULL);
    ControlCollection* const collections[] = {&myControlParameters, &myPresetNames[0], &myPresetNames[1]};
    for (ControlCollection* collection : collections)
    {
        if (collection->parameters().count(anId) != 0)
        {
            collection->find(anId).attach(anObserver);
            return;
        }
    }
    throw VornaException("Parameter not found");
}

// Reports ------------------------------------------------------------------------------

template <typename Writer>
void UnitParameterTable::writeGroup(int aGroup, Writer& aWriter)
{
    const signed char group = ParameterId(aGroup, 0).group();
    ControlCollection* const collections[] = {&myControlParameters, &myPresetNames[0], &myPresetNames[1]};
    for (ControlCollection* collection : collections)
    {
        for (const ControlCollection::Map::value_type& entry : collection->parameters())
        {
            if (entry.first.group() == group)
            {
                aWriter(entry);
            }
        }
    }
}

void UnitParameterTable::writeTextReport(std::ostream& aStream, const std::string& aTitle)
{
    aStream << aTitle << "\n\n";
    for (const Section& section : theSections)
    {
        writeControlText(aStream, section.group, section.caption);
    }
}

void UnitParameterTable::writeControlText(std::ostream& aStream, int aGroup, const std::string& aCaption)
{
    TextLineWriter writer(aStream, "\t");
    aStream << "\n" << aCaption << "\n";
    writeGroup(aGroup, writer);
    writer.check();
}

void UnitParameterTable::writeControlHtml(std::ostream& aStream, int aGroup, const std::string& aCaption)
{
    HtmlRowWriter writer(aStream);
    beginHtmlTable(aStream, aCaption);
    writeGroup(aGroup, writer);
    endHtmlTable(aStream);
    writer.check();
}

void UnitParameterTable::writeHtmlReport(std::ostream& aStream, const std::string& aTitle)
{
    writeSectionedHtmlReport(aStream, aTitle);
}

void UnitParameterTable::writeSectionedHtmlReport(std::ostream& aStream, const std::string& aTitle)
{
    writeHtmlHead(aStream, aTitle);
    writeReferences(aStream);
    for (const Section& section : theSections)
    {
        writeControlHtml(aStream, section.group, section.caption);
    }
    writeHtmlTail(aStream);
}
