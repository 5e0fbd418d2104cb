#pragma once

#include "Toolkit/Parameter/ParameterId.h"
#include "Toolkit/Parameter/ParameterValue.h"
#include "Toolkit/Parameter/Subject.h"

#include <cstddef>
#include <iosfwd>
#include <set>

class AbstractProtocol;
class ParameterDefinition;
class ValueTracker;

// One value of a device that others watch: id, current value, limits,
// availability and the definition that names it. A status parameter is a plain
// Parameter; its values arrive through update. Limits compare signed 16-bit
// integer views, values compare as bytes. Owns neither its definition nor its
// tracker.
class Parameter : public Subject
{
public:
    // A parameter without owner or definition, holding 0 within -32768..32767.
    Parameter() = default;
    // The current value starts equal to the minimum; the parameter is available.
    Parameter(AbstractProtocol* anOwner, const ParameterId& anId, const ParameterValue& aMinimum,
              const ParameterValue& aMaximum, ParameterDefinition* aDefinition = nullptr);

    // Takes the value of its id from the map when it differs (or always when
    // notify-always is set), feeds the tracker and notifies.
    virtual void update(const ParameterValueMap& aValues);

    void setAvailable(bool anAvailable, Parameter* aSource = nullptr);
    // Throw VornaException (the inconsistent-state text) when the current value
    // would fall outside the new limit; nothing changes then but the sources.
    void setMinimum(const ParameterValue& aMinimum, Parameter* aSource = nullptr);
    void setMaximum(const ParameterValue& aMaximum, Parameter* aSource = nullptr);
    void setNotifyAlways(bool aNotifyAlways = true);
    // Both return the previous pointer and delete nothing.
    ParameterDefinition* setDefinition(ParameterDefinition* aDefinition);
    ValueTracker* setValueTracker(ValueTracker* aTracker);
    // With a tracker: takes its estimate as the value and notifies, every time.
    void extrapolate();

    // The report line of this parameter as an HTML table row (nothing when its
    // definition cannot format it).
    void writeHtmlRow(std::ostream& aStream) const;

    const ParameterValue& value() const { return myValue; }
    const ParameterValue& minimum() const { return myMinimum; }
    const ParameterValue& maximum() const { return myMaximum; }
    AbstractProtocol* owner() const { return myOwner; }
    const ParameterId& id() const { return myId; }
    bool available() const { return myAvailable; }
    bool notifyAlways() const { return myNotifyAlways; }
    ParameterDefinition* definition() const { return myDefinition; }
    ValueTracker* valueTracker() const { return myValueTracker; }
    const std::set<Parameter*>& sources() const { return mySources; }

protected:
    void addSource(Parameter* aSource);
    bool inRange(const ParameterValue& aValue) const;

    ParameterValue myMinimum = ParameterValue::minimum();
    ParameterValue myMaximum = ParameterValue::maximum();
    AbstractProtocol* myOwner = nullptr;
    ParameterId myId;
    ParameterValue myValue = ParameterValue(0);
    std::set<Parameter*> mySources;
    ValueTracker* myValueTracker = nullptr;
    bool myAvailable = true;
    bool myNotifyAlways = false;
    ParameterDefinition* myDefinition = nullptr;
};

// The parameter's report text: "name: value text" with a definition (nothing
// when a formatter fails), else "id text: integer".
std::ostream& writeTextLine(std::ostream& aStream, const Parameter& aParameter);
std::ostream& operator<<(std::ostream& aStream, const Parameter& aParameter);
