#include "Toolkit/Parameter/Parameter.h"

#include "Toolkit/Parameter/HtmlReport.h"
#include "Toolkit/Parameter/InconsistentStateMessage.h"
#include "Toolkit/Parameter/ParameterDefinition.h"
#include "Toolkit/Parameter/ValueTracker.h"
#include "Toolkit/Parameter/VornaException.h"

#include <ostream>
#include <sstream>
#include <string>

namespace
{
// Both texts of a parameter with a definition; false when a formatter fails.
bool formatParts(const Parameter& aParameter, std::string& aName, std::string& aValue)
{
    std::ostringstream name;
    if (!aParameter.definition()->formatName(name))
    {
        return false;
    }
    std::ostringstream value;
    if (!aParameter.definition()->formatValue(value, aParameter.value()))
    {
        return false;
    }
    aName = name.str();
    aValue = value.str();
    return true;
}
}

Parameter::Parameter(AbstractProtocol* anOwner, const ParameterId& anId, const ParameterValue& aMinimum,
                     const ParameterValue& aMaximum, ParameterDefinition* aDefinition)
    : myMinimum(aMinimum), myMaximum(aMaximum), myOwner(anOwner), myId(anId), myValue(aMinimum),
      myDefinition(aDefinition)
{
}

void Parameter::update(const ParameterValueMap& aValues)
{
    const ParameterValueMap::const_iterator entry = aValues.find(myId);
    if (entry == aValues.end())
    {
        return;
    }
    if (entry->second == myValue && !myNotifyAlways)
    {
        return;
    }
    myValue = entry->second;
    if (myValueTracker != nullptr)
    {
        myValueTracker->onValue(myValue.toShort());
    }
    notify();
}

void Parameter::setAvailable(bool anAvailable, Parameter* aSource)
{
    addSource(aSource);
    if (anAvailable != myAvailable)
    {
        myAvailable = anAvailable;
        notify();
    }
}

void Parameter::setMinimum(const ParameterValue& aMinimum, Parameter* aSource)
{
    addSource(aSource);
    if (myValue.toShort() < aMinimum.toShort())
    {
        throw VornaException(InconsistentStateMessage(*this).str());
    }
    if (aMinimum != myMinimum)
    {
        myMinimum = aMinimum;
        notify();
    }
}

void Parameter::setMaximum(const ParameterValue& aMaximum, Parameter* aSource)
{
    addSource(aSource);
    if (myValue.toShort() > aMaximum.toShort())
    {
        throw VornaException(InconsistentStateMessage(*this).str());
    }
    if (aMaximum != myMaximum)
    {
        myMaximum = aMaximum;
        notify();
    }
}

void Parameter::setNotifyAlways(bool aNotifyAlways)
{
    myNotifyAlways = aNotifyAlways;
}

ParameterDefinition* Parameter::setDefinition(ParameterDefinition* aDefinition)
{
    ParameterDefinition* previous = myDefinition;
    myDefinition = aDefinition;
    return previous;
}

ValueTracker* Parameter::setValueTracker(ValueTracker* aTracker)
{
    ValueTracker* previous = myValueTracker;
    myValueTracker = aTracker;
    return previous;
}

void Parameter::extrapolate()
{
    if (myValueTracker == nullptr)
    {
        return;
    }
    const std::int32_t estimate = myValueTracker->estimate(myMinimum.toUnsignedShort(), myMaximum.toUnsignedShort());
    myValue = ParameterValue(estimate);
    notify();
}

void Parameter::writeHtmlRow(std::ostream& aStream) const
{
    if (myDefinition != nullptr)
    {
        std::string name;
        std::string value;
        if (formatParts(*this, name, value))
        {
            aStream << "<TR><TD>" << escapeHtml(name) << "</TD><TD>" << escapeHtml(value) << "</TD></TR>\n";
        }
        return;
    }
    aStream << "<TR><TD>" << myId << "</TD><TD>" << static_cast<int>(myValue.toShort()) << "</TD></TR>\n";
}

void Parameter::addSource(Parameter* aSource)
{
    if (aSource != nullptr)
    {
        mySources.insert(aSource);
    }
}

bool Parameter::inRange(const ParameterValue& aValue) const
{
    return aValue.toShort() >= myMinimum.toShort() && aValue.toShort() <= myMaximum.toShort();
}

std::ostream& writeTextLine(std::ostream& aStream, const Parameter& aParameter)
{
    if (aParameter.definition() != nullptr)
    {
        std::string name;
        std::string value;
        if (formatParts(aParameter, name, value))
        {
            aStream << name << ": " << value;
        }
        return aStream;
    }
    return aStream << aParameter.id() << ": " << static_cast<int>(aParameter.value().toShort());
}

std::ostream& operator<<(std::ostream& aStream, const Parameter& aParameter)
{
    return writeTextLine(aStream, aParameter);
}
