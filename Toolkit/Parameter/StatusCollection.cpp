#include "Toolkit/Parameter/StatusCollection.h"

#include "Toolkit/Parameter/AbstractProtocol.h"
#include "Toolkit/Parameter/VornaException.h"

#include <sstream>
#include <vector>

StatusCollection::StatusCollection()
{
}

StatusCollection::~StatusCollection()
{
}

void StatusCollection::refresh(AbstractProtocol* anOwner, int aGroup)
{
    refreshOwned(anOwner, false, aGroup);
}

void StatusCollection::refreshAll(AbstractProtocol* anOwner)
{
    refreshOwned(anOwner, true, 0);
}

Parameter& StatusCollection::find(const ParameterId& anId)
{
    const Map::iterator entry = myParameters.find(anId);
    if (entry == myParameters.end())
    {
        std::ostringstream message;
        message << "Couldn't find parameter " << anId << "\n";
        throw VornaException(message.str());
    }
    return entry->second;
}

Parameter& StatusCollection::add(const Parameter& aParameter)
{
    myParameters.erase(aParameter.id());
    return myParameters.emplace(aParameter.id(), aParameter).first->second;
}

void StatusCollection::refreshOwned(AbstractProtocol* anOwner, bool aWholeCollection, int aGroup)
{
    const ParameterId groupId(aGroup, 0);
    std::vector<ParameterId> ids;
    for (const Map::value_type& entry : myParameters)
    {
        const Parameter& parameter = entry.second;
        if (parameter.owner() == anOwner && (aWholeCollection || parameter.id().group() == groupId.group()))
        {
            ids.push_back(parameter.id());
        }
    }
    ParameterValueMap result;
    anOwner->getValues(ids, result);
    for (Map::value_type& entry : myParameters)
    {
        entry.second.update(result);
    }
}
