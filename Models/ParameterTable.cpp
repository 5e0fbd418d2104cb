#include "Models/ParameterTable.h"

#include "Models/AudioBandwidthRule.h"
#include "Models/AudioCodingModeDefinition.h"
#include "Models/AudioCodingModeRule.h"
#include "Models/BitStreamModeDefinition.h"
#include "Models/CenterMixLevelDefinition.h"
#include "Models/DataRateDefinition.h"
#include "Models/DbSplDefinition.h"
#include "Models/DbfsDefinition.h"
#include "Models/DeemphasisDefinition.h"
#include "Models/DynamicRangePresetDefinition.h"
#include "Models/EmptyDefinition.h"
#include "Models/EncoderStateDefinition.h"
#include "Models/EncoderStateRule.h"
#include "Models/InputAssignDefinition.h"
#include "Models/InputAssignmentObserver.h"
#include "Models/InputLockedRule.h"
#include "Models/LfeRule.h"
#include "Models/OutputModeDefinition.h"
#include "Models/ProductionInfoRule.h"
#include "Models/ProductionInfoTwoRule.h"
#include "Models/RecordFileFormatDefinition.h"
#include "Models/RecordPlayDefinition.h"
#include "Models/ReservedFlagRule.h"
#include "Models/ReservedFlagTwoRule.h"
#include "Models/RoomTypeDefinition.h"
#include "Models/RoutingPresetObserver.h"
#include "Models/SamplingFrequencyDefinition.h"
#include "Models/SurroundMixLevelDefinition.h"
#include "Models/SurroundModeDefinition.h"
#include "Models/TimeCodeControlObserver.h"
#include "Models/TimeCodeFormatRule.h"
#include "Models/TimeCodePresentRule.h"
#include "Toolkit/Parameter/BcdDefinition.h"
#include "Toolkit/Parameter/HtmlReport.h"
#include "Toolkit/Parameter/NumericDefinition.h"
#include "Toolkit/Parameter/TwoStateDefinition.h"

#include <ostream>
#include <utility>

namespace
{
using Definition = std::unique_ptr<ParameterDefinition>;

const int largestInteger = 32767;

Definition twoState(const std::string& aName, const std::string& aTextForZero, const std::string& aTextForNonZero)
{
    return std::make_unique<TwoStateDefinition>(aName, aTextForZero, aTextForNonZero);
}

Definition numeric(const std::string& aName)
{
    return std::make_unique<NumericDefinition>(aName);
}

Definition bcd(const std::string& aName)
{
    return std::make_unique<BcdDefinition>(aName);
}
}

ParameterTable::ParameterTable(AbstractProtocol* anOwner)
    : ParameterSet(anOwner)
{
    addControlParameters(anOwner);
    addStatusParameters(anOwner);
    addLocalParameters();
    myControlParameters.refreshAll(anOwner);
    myStatusParameters.refreshAll(anOwner);
    installCommonRules();
    fillPollRing();
}

ParameterDefinition* ParameterTable::ownDefinition(std::unique_ptr<ParameterDefinition> aDefinition)
{
    if (!aDefinition)
    {
        return nullptr;
    }
    return &adoptDefinition(std::move(aDefinition));
}

void ParameterTable::ownObserver(std::unique_ptr<Observer> anObserver)
{
    adoptObserver(std::move(anObserver));
}

ControlParameter& ParameterTable::addControl(AbstractProtocol* anOwner, int aGroup, int anIndex, int aMinimum,
                                             int aMaximum, std::unique_ptr<ParameterDefinition> aDefinition)
{
    ParameterDefinition* definition = ownDefinition(std::move(aDefinition));
    return myControlParameters.add(ControlParameter(anOwner, ParameterId(aGroup, anIndex), ParameterValue(aMinimum),
                                                    ParameterValue(aMaximum), definition));
}

Parameter& ParameterTable::addStatus(AbstractProtocol* anOwner, int aGroup, int anIndex, int aMinimum, int aMaximum,
                                     std::unique_ptr<ParameterDefinition> aDefinition)
{
    ParameterDefinition* definition = ownDefinition(std::move(aDefinition));
    return myStatusParameters.add(Parameter(anOwner, ParameterId(aGroup, anIndex), ParameterValue(aMinimum),
                                            ParameterValue(aMaximum), definition));
}

ControlParameter& ParameterTable::addReservedControl(int aGroup, int anIndex, int aMinimum, int aMaximum)
{
    ControlParameter& parameter =
        addControl(localProtocol(), aGroup, anIndex, aMinimum, aMaximum, std::make_unique<EmptyDefinition>());
    parameter.setRestorable(false);
    parameter.setAvailable(false);
    return parameter;
}

void ParameterTable::makeReserved(ControlParameter& aParameter)
{
    aParameter.setDefinition(ownDefinition(std::make_unique<EmptyDefinition>()));
    aParameter.setRestorable(false);
    aParameter.setAvailable(false);
}

// Control parameters ----------------------------------------------------------

void ParameterTable::addControlParameters(AbstractProtocol* anOwner)
{
    addCodingParameters(anOwner);
    addEncoderStateParameters(anOwner);
    addInputOutputParameters(anOwner);
}

void ParameterTable::addCodingParameters(AbstractProtocol* anOwner)
{
    addCodingFormatParameters(anOwner);
    addBitStreamInfoParameters(anOwner);
    addPreprocessingParameters(anOwner);
    addReservedCodingParameters(anOwner);
}

void ParameterTable::addCodingFormatParameters(AbstractProtocol* anOwner)
{
    addControl(anOwner, 'B', 0, -1, 3, std::make_unique<SamplingFrequencyDefinition>("Sample Rate"));
    addControl(anOwner, 'B', 1, 3, 18, std::make_unique<DataRateDefinition>("Data Rate"));
    addControl(anOwner, 'B', 2, 0, 7, std::make_unique<BitStreamModeDefinition>("Bit Stream Mode"));
    addControl(anOwner, 'B', 3, 0, 7, std::make_unique<AudioCodingModeDefinition>());
    addControl(anOwner, 'B', 4, 0, 1, twoState("Low Frequency Effects Channel", "Off", "On"));
    addControl(anOwner, 'B', 5, 1, 31, std::make_unique<DbfsDefinition>("Dialog Normalization"));
    addControl(anOwner, 'B', 6, 1, 31, std::make_unique<DbfsDefinition>("Dialog Normalization Two"));
}

void ParameterTable::addBitStreamInfoParameters(AbstractProtocol* anOwner)
{
    addControl(anOwner, 'B', 7, 0, 2, std::make_unique<CenterMixLevelDefinition>("Center Mix Level"));
    addControl(anOwner, 'B', 8, 0, 2, std::make_unique<SurroundMixLevelDefinition>("Surround Mix Level"));
    addControl(anOwner, 'B', 9, 0, 2, std::make_unique<SurroundModeDefinition>("Vorna Surround Mode"));
    addReservedControl('B', 10, 0, 0);
    addReservedControl('B', 11, 0, 0);
    addControl(anOwner, 'B', 12, 0, 1, twoState("Audio Production Info Exists", "No", "Yes"));
    addControl(anOwner, 'B', 13, 0, 31, std::make_unique<DbSplDefinition>("Mix Level"));
    addControl(anOwner, 'B', 14, 0, 2, std::make_unique<RoomTypeDefinition>("Room Type"));
    addReservedControl('B', 15, 0, 0);
    addReservedControl('B', 16, 0, 0);
    addControl(anOwner, 'B', 17, 0, 1, twoState("Audio Production Info Two Exists", "No", "Yes"));
    addControl(anOwner, 'B', 18, 0, 31, std::make_unique<DbSplDefinition>("Mix Level Two"));
    addControl(anOwner, 'B', 19, 0, 2, std::make_unique<RoomTypeDefinition>("Room Type Two"));
    addControl(anOwner, 'B', 20, 0, 1, twoState("Copyright Bit", "Not Indicated As Protected", "Indicated As Protected"));
    addControl(anOwner, 'B', 21, 0, 1, twoState("Original Bit Stream", "Copy", "Original"));
    for (int index = 22; index <= 25; ++index)
    {
        addReservedControl('B', index, 0, 0);
    }
}

void ParameterTable::addPreprocessingParameters(AbstractProtocol* anOwner)
{
    addControl(anOwner, 'B', 26, 0, 5, std::make_unique<DynamicRangePresetDefinition>("Dynamic Range Preset"));
    addControl(anOwner, 'B', 27, 0, 1, twoState("RF Pre-emphasis Filter", "Off", "On"));
    addControl(anOwner, 'B', 28, 0, 1, twoState("DC Highpass Filter", "Off", "On"));
    addControl(anOwner, 'B', 29, 0, 1, twoState("Bandwidth Lowpass Filter", "Off", "On"));
    // The reverse of its neighbours: 0 is "On".
    addControl(anOwner, 'B', 30, 0, 1, twoState("LFE Lowpass Filter", "On", "Off"));
    addControl(anOwner, 'B', 31, 0, 1, twoState("Surround Phase Shift Enable", "Off", "On"));
    addControl(anOwner, 'B', 32, 0, 1, twoState("Surround Attenuation Enable", "Off", "On"));
    addControl(anOwner, 'B', 33, -1, 1, std::make_unique<DeemphasisDefinition>("Digital Deemphasis Enable"));
}

void ParameterTable::addReservedCodingParameters(AbstractProtocol*)
{
    addReservedControl('B', 34, -1, -1);
    addReservedControl('B', 35, -1, -1);
}

void ParameterTable::addEncoderStateParameters(AbstractProtocol* anOwner)
{
    addControl(anOwner, 'E', 0, 0, 2, std::make_unique<EncoderStateDefinition>("Requested Encoder State"));
    addControl(anOwner, 'E', 1, 0, 2, std::make_unique<RecordPlayDefinition>("Record Play Enable"));
    addStartTimeCodeParameters(anOwner);
    addStopTimeCodeParameters(anOwner);
}

// The time-code limits are packed-BCD bytes compared as integers: 0x23 hours,
// 0x59 minutes and seconds, 0x29 frames.
void ParameterTable::addStartTimeCodeParameters(AbstractProtocol* anOwner)
{
    addControl(anOwner, 'E', 2, 0, 0x23, bcd("Start Time Code Hour"));
    addControl(anOwner, 'E', 3, 0, 0x59, bcd("Start Time Code Minute"));
    addControl(anOwner, 'E', 4, 0, 0x59, bcd("Start Time Code Second"));
    addControl(anOwner, 'E', 5, 0, 0x29, bcd("Start Time Code Frame"));
    addControl(anOwner, 'E', 6, 0, 1535, numeric("Start Time Code Sample"));
}

void ParameterTable::addStopTimeCodeParameters(AbstractProtocol* anOwner)
{
    addControl(anOwner, 'E', 7, 0, 0x23, bcd("Stop Time Code Hour"));
    addControl(anOwner, 'E', 8, 0, 0x59, bcd("Stop Time Code Minute"));
    addControl(anOwner, 'E', 9, 0, 0x59, bcd("Stop Time Code Second"));
    addControl(anOwner, 'E', 10, 0, 0x29, bcd("Stop Time Code Frame"));
}

void ParameterTable::addInputOutputParameters(AbstractProtocol* anOwner)
{
    static const char* const theAssignments[] = {
        "Left Input Assign",           "Center Input Assign",         "Right Input Assign",
        "Left Surround Input Assign",  "Right Surround Input Assign", "LFE Input Assign",
    };
    int index = 0;
    for (const char* name : theAssignments)
    {
        addControl(anOwner, 'H', index++, 0, 5, std::make_unique<InputAssignDefinition>(name));
    }
    addControl(anOwner, 'H', 6, 0, 3, std::make_unique<OutputModeDefinition>());
    addControl(anOwner, 'H', 7, 0, 1, twoState("Output Time Code", "Not Included", "Included"));
    addControl(anOwner, 'H', 8, 0, 6, numeric("Output Stream Number"));
    addControl(anOwner, 'H', 9, 0, 1, twoState("Audio Bit", "Audio data", "Non-audio data"));
    addControl(anOwner, 'H', 10, 0, 2, std::make_unique<RecordFileFormatDefinition>());
    addControl(anOwner, 'H', 11, 0, 1,
               twoState("Playback Clock Source", "internal synchronization", "external synchronization"));
}

// Status parameters -----------------------------------------------------------

void ParameterTable::addStatusParameters(AbstractProtocol* anOwner)
{
    addCapabilityParameters(anOwner);
    addBitStreamStatusParameters(anOwner);
    addInputStatusParameters(anOwner);
    addTimeCodeStatusParameters(anOwner);
}

void ParameterTable::addCapabilityParameters(AbstractProtocol* anOwner)
{
    static const char* const theCapabilities[] = {
        "Multi-channel Capable",  "Start-Stop Capable",      "Time Code Capable",
        "Record-Play Capable",    "Digital Input Capable",   "Disk File Input Capable",
        "Custom Dynamic Range Capable",
    };
    addStatus(anOwner, '@', 0, 0, largestInteger, nullptr);
    int index = 1;
    for (const char* name : theCapabilities)
    {
        addStatus(anOwner, '@', index++, 0, 1, twoState(name, "No", "Yes"));
    }
    // The lowest data rate index for one to five main channels.
    for (index = 8; index <= 12; ++index)
    {
        addStatus(anOwner, '@', index, 0, largestInteger, nullptr);
    }
}

void ParameterTable::addBitStreamStatusParameters(AbstractProtocol* anOwner)
{
    addStatus(anOwner, 'C', 0, 0, 2, std::make_unique<SamplingFrequencyDefinition>("Sample Rate Status"));
    addStatus(anOwner, 'C', 1, 0, 1, twoState("Digital Deemphasis", "Off", "On"));
    addStatus(anOwner, 'C', 2, 0, 15, numeric("Audio Bandwidth Status"));
    addStatus(anOwner, 'C', 3, 0, 16, numeric("Coupling Frequency Status"));
    addSignalLevelParameters(anOwner);
    static const char* const theGainWords[] = {"Dynrng Word", "Dynrng Word Two", "Compr Word", "Compr Word Two"};
    int index = 12;
    for (const char* name : theGainWords)
    {
        addStatus(anOwner, 'C', index++, 0, largestInteger, numeric(name)).setNotifyAlways(true);
    }
    addStatus(anOwner, 'C', 16, 0, largestInteger, numeric("Signal To Mask Ratio"));
}

void ParameterTable::addSignalLevelParameters(AbstractProtocol* anOwner)
{
    // The meters hear of every reading, also of an unchanged one.
    addStatus(anOwner, 'C', 4, 0, largestInteger, numeric("Left Signal Level")).setNotifyAlways(true);
    addStatus(anOwner, 'C', 6, 0, largestInteger, numeric("Right Signal Level")).setNotifyAlways(true);
    addStatus(anOwner, 'C', 5, 0, largestInteger, numeric("Center Signal Level")).setNotifyAlways(true);
    addStatus(anOwner, 'C', 7, 0, largestInteger, numeric("Left Surround Signal Level")).setNotifyAlways(true);
    addStatus(anOwner, 'C', 8, 0, largestInteger, numeric("Right Surround Signal Level")).setNotifyAlways(true);
    addStatus(anOwner, 'C', 9, 0, largestInteger, numeric("LFE Signal Level")).setNotifyAlways(true);
    addStatus(anOwner, 'C', 10, 0, 256, numeric("Compression Level")).setNotifyAlways(true);
    addStatus(anOwner, 'C', 11, 0, 256, numeric("Compression Level Two")).setNotifyAlways(true);
}

void ParameterTable::addInputStatusParameters(AbstractProtocol* anOwner)
{
    addStatus(anOwner, 'I', 0, 0, 1, twoState("Input Locked", "No", "Yes"));
    addStatus(anOwner, 'I', 1, 0, 3, std::make_unique<SamplingFrequencyDefinition>("Input Sampling Frequency"));
    addStatus(anOwner, 'I', 2, 0, 1, twoState("Input Signal Integrity", "High", "Low"));
    addStatus(anOwner, 'I', 3, 0, 1, twoState("Channel Status Pro-Consumer Bit", "Consumer", "Professional"));
    addStatus(anOwner, 'I', 4, 0, 1, twoState("Channel Status Audio Bit", "Audio", "Not Audio"));
    addStatus(anOwner, 'I', 5, 0, 1, twoState("Channel Status Emphasis", "Not Pre-emphasized", "Pre-emphasized"));
    addStatus(anOwner, 'I', 6, 0, 3, std::make_unique<SamplingFrequencyDefinition>("CS Sampling Frequency"));
}

void ParameterTable::addTimeCodeStatusParameters(AbstractProtocol* anOwner)
{
    // The reported encoder state (0) and the time-code format (2) have no
    // definition: their text is the id and the integer.
    addStatus(anOwner, 'F', 0, 0, 3, nullptr);
    addStatus(anOwner, 'F', 1, 0, 1, twoState("Time Code Present", "No", "Yes"));
    addStatus(anOwner, 'F', 2, 0, 5, nullptr);
    addStatus(anOwner, 'F', 3, 0, 0x23, bcd("Current Time Code Hour"));
    addStatus(anOwner, 'F', 4, 0, 0x59, bcd("Current Time Code Minute"));
    addStatus(anOwner, 'F', 5, 0, 0x59, bcd("Current Time Code Second"));
    addStatus(anOwner, 'F', 6, 0, 0x29, bcd("Current Time Code Frame"));
    addStatus(anOwner, 'F', 7, 0, 1535, numeric("Stop Sample Overrun"));
}

// Local parameters, rules and polling -------------------------------------------

void ParameterTable::addLocalParameters()
{
    // Both live in the set's own store and never reach the unit; they are saved
    // in configuration files but left out of the reports.
    addControl(localProtocol(), 'O', 0, 0, RoutingPresetObserver::customPreset, std::make_unique<EmptyDefinition>());
    addControl(localProtocol(), 'O', 1, 0, 1, std::make_unique<EmptyDefinition>());
    StatusCollection* status = &myStatusParameters;
    ControlCollection* control = &myControlParameters;
    ownObserver(std::make_unique<TimeCodeControlObserver>(status, control));
    for (int channel = 0; channel < RoutingPresetObserver::channelCount; ++channel)
    {
        ownObserver(std::make_unique<InputAssignmentObserver>(ParameterId('H', channel), status, control));
    }
    ownObserver(std::make_unique<RoutingPresetObserver>(status, control));
}

void ParameterTable::installCommonRules()
{
    StatusCollection* status = &myStatusParameters;
    ControlCollection* control = &myControlParameters;
    ownObserver(std::make_unique<AudioCodingModeRule>(status, control));
    ownObserver(std::make_unique<LfeRule>(status, control));
    ownObserver(std::make_unique<ProductionInfoRule>(status, control));
    ownObserver(std::make_unique<ProductionInfoTwoRule>(status, control));
    ownObserver(std::make_unique<TimeCodePresentRule>(status, control));
    ownObserver(std::make_unique<ReservedFlagRule>(status, control));
    ownObserver(std::make_unique<ReservedFlagTwoRule>(status, control));
    ownObserver(std::make_unique<InputLockedRule>(status, control));
    ownObserver(std::make_unique<TimeCodeFormatRule>(ParameterId('F', TimeCodeFormatRule::formatIndex), status,
                                                     control));
    ownObserver(std::make_unique<TimeCodeFormatRule>(ParameterId('F', TimeCodeFormatRule::frameIndex), status,
                                                     control));
    ownObserver(std::make_unique<AudioBandwidthRule>(status, control));
    ownObserver(std::make_unique<EncoderStateRule>(status, control));
}

void ParameterTable::fillPollRing()
{
    addPollGroup('I');
    addPollGroup('F');
    addPollGroup('C');
}

// Reports -------------------------------------------------------------------------

void ParameterTable::writeTextReport(std::ostream& aStream, const std::string& aTitle)
{
    aStream << aTitle << "\n\n";
    writeControlText(aStream, 'B', "CONFIGURATION CONTROL");
    writeControlText(aStream, 'H', "INPUT/OUTPUT CONTROL");
    writeControlText(aStream, 'E', "PROCESSING STATE CONTROL");
}

void ParameterTable::writeSectionedHtmlReport(std::ostream& aStream, const std::string& aTitle)
{
    writeHtmlHead(aStream, aTitle);
    writeReferences(aStream);
    writeControlHtml(aStream, 'B', "CONFIGURATION CONTROL");
    writeControlHtml(aStream, 'H', "INPUT/OUTPUT CONTROL");
    writeControlHtml(aStream, 'E', "PROCESSING STATE CONTROL");
    writeHtmlTail(aStream);
}

void ParameterTable::writeReferences(std::ostream& aStream)
{
    aStream << "<H2>References</H2>";
    beginHtmlList(aStream);
    writeHtmlLink(aStream, "www.vorna.example/documents/encoder-remote-control.pdf",
                  "Encoder Remote Control Reference");
    writeHtmlLink(aStream, "www.vorna.example/documents/encoder-parameters.pdf", "Encoder Parameter Guide");
    writeHtmlLink(aStream, "www.vorna.example/", "Vorna Home Page");
    endHtmlList(aStream);
}
