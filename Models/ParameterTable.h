#pragma once

#include "Toolkit/Parameter/ParameterSet.h"

#include <iosfwd>
#include <memory>
#include <string>

class ControlParameter;
class Parameter;
class ParameterDefinition;

// The parameter set of one encoder device: the control and status parameters
// that every model shares, the local routing preset and time-code switch, the
// common interlock rules, the ring of polled status groups and the sectioned
// reports. A model's table derives from it and installs the two model rules
// that bound the data rate and the audio coding mode against each other.
//
// The constructor reads every control and status parameter through the owner
// at once, then installs the common rules, each of which runs once.
class ParameterTable : public ParameterSet
{
public:
    explicit ParameterTable(AbstractProtocol* anOwner);

    // The control parameters of groups 'B', 'H' and 'E', one section each.
    void writeTextReport(std::ostream& aStream, const std::string& aTitle) override;
    // The same sections as HTML tables, after the references.
    virtual void writeSectionedHtmlReport(std::ostream& aStream, const std::string& aTitle);
    // The list of reference documents between the report's head and its first section.
    virtual void writeReferences(std::ostream& aStream);

protected:
    // Group 'B' (coding), then 'E' (encoder state, time code), then 'H' (inputs, outputs).
    void addControlParameters(AbstractProtocol* anOwner);
    void addCodingParameters(AbstractProtocol* anOwner);
    void addCodingFormatParameters(AbstractProtocol* anOwner);
    void addBitStreamInfoParameters(AbstractProtocol* anOwner);
    void addPreprocessingParameters(AbstractProtocol* anOwner);
    void addReservedCodingParameters(AbstractProtocol* anOwner);
    void addEncoderStateParameters(AbstractProtocol* anOwner);
    void addStartTimeCodeParameters(AbstractProtocol* anOwner);
    void addStopTimeCodeParameters(AbstractProtocol* anOwner);
    void addInputOutputParameters(AbstractProtocol* anOwner);
    // Groups '@' (capabilities), 'C' (bit stream), 'I' (input) and 'F' (time code).
    void addStatusParameters(AbstractProtocol* anOwner);
    void addCapabilityParameters(AbstractProtocol* anOwner);
    void addBitStreamStatusParameters(AbstractProtocol* anOwner);
    void addSignalLevelParameters(AbstractProtocol* anOwner);
    void addInputStatusParameters(AbstractProtocol* anOwner);
    void addTimeCodeStatusParameters(AbstractProtocol* anOwner);
    // The routing preset 'O' 0 and the time-code switch 'O' 1 with their observers.
    void addLocalParameters();
    void installCommonRules();
    void fillPollRing();

    // Puts the definition on the owned list; null stays null.
    ParameterDefinition* ownDefinition(std::unique_ptr<ParameterDefinition> aDefinition);
    // Puts the observer on the owned list.
    void ownObserver(std::unique_ptr<Observer> anObserver);
    ControlParameter& addControl(AbstractProtocol* anOwner, int aGroup, int anIndex, int aMinimum, int aMaximum,
                                 std::unique_ptr<ParameterDefinition> aDefinition);
    Parameter& addStatus(AbstractProtocol* anOwner, int aGroup, int anIndex, int aMinimum, int aMaximum,
                         std::unique_ptr<ParameterDefinition> aDefinition);
    // A reserved row, or a common row that a model lacks: a text-less control
    // parameter on the local protocol, never saved, unavailable.
    ControlParameter& addReservedControl(int aGroup, int anIndex, int aMinimum, int aMaximum);
    // Gives an existing control parameter that treatment.
    void makeReserved(ControlParameter& aParameter);
};
