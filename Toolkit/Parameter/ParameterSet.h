#pragma once

#include "Toolkit/Parameter/ControlCollection.h"
#include "Toolkit/Parameter/ParameterValueStore.h"
#include "Toolkit/Parameter/Protocol.h"
#include "Toolkit/Parameter/StatusCollection.h"

#include <deque>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

class AbstractProtocol;
class Observer;
class ParameterDefinition;

// All parameters of one device, read through the device's outermost protocol
// (the owner): lookup by id, observer binding, the status poll ring, copies
// between parameters, the configuration file and the reports. The tables that
// derive from it fill the collections directly, and the ring and the owned
// objects through the operations below.
class ParameterSet
{
public:
    // A null owner makes the set's own local protocol the owner.
    explicit ParameterSet(AbstractProtocol* anOwner);
    virtual ~ParameterSet();

    // Re-reads every control parameter of the owner and notifies their observers.
    virtual void refreshControls();
    // Attaches the observer to control parameter anId (updated at once); a
    // missing id throws "Couldn't find parameter " + id text + newline.
    virtual void attachControlObserver(const ParameterId& anId, Observer* anObserver);
    // Refreshes the controls, requests the value and returns the parameter's value then.
    virtual ParameterValue setControlValue(const ParameterId& anId, const ParameterValue& aValue);
    virtual void writeHtmlReport(std::ostream& aStream, const std::string& aTitle);
    virtual void writeTextReport(std::ostream& aStream, const std::string& aTitle);
    // One report section of the parameters of group aGroup (low 8 bits);
    // these throw the report errors when the stream fails.
    virtual void writeControlText(std::ostream& aStream, int aGroup, const std::string& aCaption);
    virtual void writeStatusText(std::ostream& aStream, int aGroup, const std::string& aCaption);
    virtual void writeControlHtml(std::ostream& aStream, int aGroup, const std::string& aCaption);
    virtual void writeStatusHtml(std::ostream& aStream, int aGroup, const std::string& aCaption);

    void attachStatusObserver(const ParameterId& anId, Observer* anObserver);
    // Polls the status group at the front of the ring, then rotates the ring;
    // a failed poll leaves the ring as it was. An empty ring polls nothing.
    void dispatchQueued();
    // Requests the current value of a control (status) source for a control target.
    void copyControlValue(const ParameterId& aTarget, const ParameterId& aSource);
    void copyStatusValue(const ParameterId& aTarget, const ParameterId& aSource);
    void restoreConfiguration(std::istream& aStream);
    // Applies the records of a file already read with ControlCollection::readConfiguration.
    void restoreConfiguration(const ParameterValueMap& someRecords);
    void saveConfiguration(std::ostream& aStream);

    AbstractProtocol* owner() const { return myOwner; }
    Protocol* localProtocol() { return &myLocalProtocol; }
    ParameterValueStore* localStore() { return &myLocalStore; }
    StatusCollection& statusCollection() { return myStatusParameters; }
    ControlCollection& controlCollection() { return myControlParameters; }
    const std::deque<signed char>& pollRing() const { return myPollRing; }
    // Appends a status group to the poll ring.
    void addPollGroup(signed char aGroup) { myPollRing.push_back(aGroup); }
    void clearPollRing() { myPollRing.clear(); }
    // The set keeps these until it is destroyed: the observers first, in the
    // order they came, then the definitions.
    Observer& adoptObserver(std::unique_ptr<Observer> anObserver);
    ParameterDefinition& adoptDefinition(std::unique_ptr<ParameterDefinition> aDefinition);
    bool refreshBeforeSet() const { return myRefreshBeforeSet; }

protected:
    AbstractProtocol* myOwner;
    ParameterValueStore myLocalStore;
    Protocol myLocalProtocol;
    StatusCollection myStatusParameters;
    ControlCollection myControlParameters;
    bool myRefreshBeforeSet = true;

private:
    std::vector<std::unique_ptr<Observer>> myOwnedObservers;
    std::vector<std::unique_ptr<ParameterDefinition>> myOwnedDefinitions;
    std::deque<signed char> myPollRing;

    ParameterSet(const ParameterSet&) = delete;
    ParameterSet& operator=(const ParameterSet&) = delete;
};
