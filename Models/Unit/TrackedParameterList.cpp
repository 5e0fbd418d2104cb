#include "Models/Unit/TrackedParameterList.h"

#include "Platform/Assertion.h"
#include "Toolkit/Parameter/AbstractProtocol.h"
#include "Toolkit/Parameter/Parameter.h"

TrackedParameterList::~TrackedParameterList()
{
    // The protocol may outlive the table; it must not call back into a list
    // that is gone.
    if (myProtocol != nullptr)
    {
        myProtocol->setIdleCallback(nullptr);
    }
}

void TrackedParameterList::onIdle()
{
    for (Parameter* parameter : myParameters)
    {
        parameter->extrapolate();
    }
}

void TrackedParameterList::installOn(AbstractProtocol* aProtocol)
{
    VORNA_ASSERT(aProtocol != NULL);
    aProtocol->setIdleCallback(this);
    myProtocol = aProtocol;
}

void TrackedParameterList::append(Parameter* aParameter)
{
    VORNA_ASSERT(aParameter != NULL);
    myParameters.push_back(aParameter);
}
