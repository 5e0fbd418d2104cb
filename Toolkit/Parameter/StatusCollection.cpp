#include "Toolkit/Parameter/StatusCollection.h"

void StatusCollection::refresh(AbstractProtocol* anOwner, int aGroup)
{
    readOwned(anOwner, false, aGroup);
}

void StatusCollection::refreshAll(AbstractProtocol* anOwner)
{
    readOwned(anOwner, true, 0);
}

Parameter& StatusCollection::find(const ParameterId& anId)
{
    return lookUp(anId);
}
