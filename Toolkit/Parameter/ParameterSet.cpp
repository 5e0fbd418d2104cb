#include "Toolkit/Parameter/ParameterSet.h"

#include "Platform/Assertion.h"
#include "Toolkit/Parameter/HtmlReport.h"
#include "Toolkit/Parameter/HtmlRowWriter.h"
#include "Toolkit/Parameter/Observer.h"
#include "Toolkit/Parameter/ParameterDefinition.h"
#include "Toolkit/Parameter/TextLineWriter.h"

#include <ostream>
#include <utility>

namespace
{
template <typename Map, typename Writer>
void writeGroup(const Map& aParameters, int aGroup, Writer& aWriter)
{
    const signed char group = ParameterId(aGroup, 0).group();
    for (const typename Map::value_type& entry : aParameters)
    {
        if (entry.first.group() == group)
        {
            aWriter(entry.second);
        }
    }
}

template <typename Map, typename Writer>
void writeAll(const Map& aParameters, Writer& aWriter)
{
    for (const typename Map::value_type& entry : aParameters)
    {
        aWriter(entry.second);
    }
}
}

ParameterSet::ParameterSet(AbstractProtocol* anOwner)
    : myOwner(anOwner != nullptr ? anOwner : &myLocalProtocol), myLocalProtocol(&myLocalStore)
{
}

ParameterSet::~ParameterSet()
{
    for (std::unique_ptr<Observer>& observer : myOwnedObservers)
    {
        observer.reset();
    }
    for (std::unique_ptr<ParameterDefinition>& definition : myOwnedDefinitions)
    {
        definition.reset();
    }
}

Observer& ParameterSet::adoptObserver(std::unique_ptr<Observer> anObserver)
{
    VORNA_ASSERT(anObserver != nullptr);
    myOwnedObservers.push_back(std::move(anObserver));
    return *myOwnedObservers.back();
}

ParameterDefinition& ParameterSet::adoptDefinition(std::unique_ptr<ParameterDefinition> aDefinition)
{
    VORNA_ASSERT(aDefinition != nullptr);
    myOwnedDefinitions.push_back(std::move(aDefinition));
    return *myOwnedDefinitions.back();
}

void ParameterSet::refreshControls()
{
    myControlParameters.refreshAll(myOwner);
}

void ParameterSet::attachControlObserver(const ParameterId& anId, Observer* anObserver)
{
    VORNA_ASSERT(anObserver != NULL);
    myControlParameters.find(anId).attach(anObserver);
}

ParameterValue ParameterSet::setControlValue(const ParameterId& anId, const ParameterValue& aValue)
{
    if (myRefreshBeforeSet)
    {
        refreshControls();
    }
    ControlParameter& parameter = myControlParameters.find(anId);
    parameter.setValue(aValue);
    return parameter.value();
}

void ParameterSet::writeHtmlReport(std::ostream& aStream, const std::string& aTitle)
{
    HtmlRowWriter writer(aStream);
    writeHtmlHead(aStream, aTitle);
    beginHtmlTable(aStream, "CONTROL PARAMETERS");
    writeAll(myControlParameters.parameters(), writer);
    endHtmlTable(aStream);
    beginHtmlTable(aStream, "STATUS PARAMETERS");
    writeAll(myStatusParameters.parameters(), writer);
    endHtmlTable(aStream);
    writeHtmlTail(aStream);
    writer.check();
}

void ParameterSet::writeTextReport(std::ostream& aStream, const std::string& aTitle)
{
    TextLineWriter writer(aStream, "");
    aStream << aTitle << "\n\n";
    aStream << "CONTROL PARAMETERS\n";
    writeAll(myControlParameters.parameters(), writer);
    aStream << "STATUS PARAMETERS\n";
    writeAll(myStatusParameters.parameters(), writer);
    writer.check();
}

void ParameterSet::writeControlText(std::ostream& aStream, int aGroup, const std::string& aCaption)
{
    TextLineWriter writer(aStream, "\t");
    aStream << "\n" << aCaption << "\n";
    writeGroup(myControlParameters.parameters(), aGroup, writer);
    writer.check();
}

void ParameterSet::writeStatusText(std::ostream& aStream, int aGroup, const std::string& aCaption)
{
    TextLineWriter writer(aStream, "\t");
    aStream << "\n" << aCaption << "\n";
    writeGroup(myStatusParameters.parameters(), aGroup, writer);
    writer.check();
}

void ParameterSet::writeControlHtml(std::ostream& aStream, int aGroup, const std::string& aCaption)
{
    HtmlRowWriter writer(aStream);
    beginHtmlTable(aStream, aCaption);
    writeGroup(myControlParameters.parameters(), aGroup, writer);
    endHtmlTable(aStream);
    writer.check();
}

void ParameterSet::writeStatusHtml(std::ostream& aStream, int aGroup, const std::string& aCaption)
{
    HtmlRowWriter writer(aStream);
    beginHtmlTable(aStream, aCaption);
    writeGroup(myStatusParameters.parameters(), aGroup, writer);
    endHtmlTable(aStream);
    writer.check();
}

void ParameterSet::attachStatusObserver(const ParameterId& anId, Observer* anObserver)
{
    VORNA_ASSERT(anObserver != NULL);
    myStatusParameters.find(anId).attach(anObserver);
}

void ParameterSet::dispatchQueued()
{
    if (myPollRing.empty())
    {
        return;
    }
    const signed char group = myPollRing.front();
    myStatusParameters.refresh(myOwner, group);
    myPollRing.pop_front();
    myPollRing.push_back(group);
}

void ParameterSet::copyControlValue(const ParameterId& aTarget, const ParameterId& aSource)
{
    const ParameterValue value = myControlParameters.find(aSource).value();
    myControlParameters.find(aTarget).setValue(value);
}

void ParameterSet::copyStatusValue(const ParameterId& aTarget, const ParameterId& aSource)
{
    const ParameterValue value = myStatusParameters.find(aSource).value();
    myControlParameters.find(aTarget).setValue(value);
}

void ParameterSet::restoreConfiguration(std::istream& aStream)
{
    myControlParameters.restore(aStream);
}

void ParameterSet::restoreConfiguration(const ParameterValueMap& someRecords)
{
    myControlParameters.restore(someRecords);
}

void ParameterSet::saveConfiguration(std::ostream& aStream)
{
    myControlParameters.save(aStream);
}
