#include "Toolkit/Controls/ControlObserver.h"

#include "Toolkit/Parameter/ControlParameter.h"
#include "Toolkit/Parameter/Parameter.h"

ControlObserver::ControlObserver()
{
}

Parameter* ControlObserver::ownParameter(Subject* aSubject) const
{
    if (aSubject == nullptr || aSubject != mySubject)
    {
        return nullptr;
    }
    return dynamic_cast<Parameter*>(aSubject);
}

Parameter* ControlObserver::parameter() const
{
    return dynamic_cast<Parameter*>(mySubject);
}

ControlParameter* ControlObserver::controlParameter() const
{
    return dynamic_cast<ControlParameter*>(mySubject);
}

void ControlObserver::requestValue(const ParameterValue& aValue) const
{
    ControlParameter* control = controlParameter();
    if (control != nullptr)
    {
        control->setValue(aValue);
    }
}

void ControlObserver::forceValue(const ParameterValue& aValue) const
{
    ControlParameter* control = controlParameter();
    if (control != nullptr)
    {
        control->forceWrite(aValue);
    }
}
