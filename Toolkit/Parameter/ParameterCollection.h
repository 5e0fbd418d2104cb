#pragma once

#include "Toolkit/Parameter/AbstractProtocol.h"
#include "Toolkit/Parameter/ParameterId.h"
#include "Toolkit/Parameter/ParameterValue.h"

#include <map>
#include <vector>

// Throws VornaException "Couldn't find parameter " + id text + newline.
[[noreturn]] void throwParameterNotFound(const ParameterId& anId);

// What the control and the status collections share: the parameters of one
// kind by id, held by value, looked up and read from their owner.
template <class ParameterType>
class ParameterCollection
{
public:
    using Map = std::map<ParameterId, ParameterType>;

    // Stores the parameter under its id, replacing one there.
    ParameterType& add(const ParameterType& aParameter)
    {
        myParameters.erase(aParameter.id());
        return myParameters.emplace(aParameter.id(), aParameter).first->second;
    }
    Map& parameters() { return myParameters; }
    const Map& parameters() const { return myParameters; }

protected:
    ParameterCollection() = default;
    ~ParameterCollection() = default;

    ParameterType& lookUp(const ParameterId& anId)
    {
        const typename Map::iterator entry = myParameters.find(anId);
        if (entry == myParameters.end())
        {
            throwParameterNotFound(anId);
        }
        return entry->second;
    }

    // Reads the parameters of anOwner (all of them, or those of group aGroup,
    // of which only the low 8 bits count) with one list request, made also
    // when no id is collected, and hands the answer to every parameter.
    void readOwned(AbstractProtocol* anOwner, bool aWholeCollection, int aGroup)
    {
        const ParameterId groupId(aGroup, 0);
        std::vector<ParameterId> ids;
        for (const typename Map::value_type& entry : myParameters)
        {
            const ParameterType& parameter = entry.second;
            if (parameter.owner() == anOwner && (aWholeCollection || parameter.id().group() == groupId.group()))
            {
                ids.push_back(parameter.id());
            }
        }
        ParameterValueMap result;
        anOwner->getValues(ids, result);
        for (typename Map::value_type& entry : myParameters)
        {
            entry.second.update(result);
        }
    }

    Map myParameters;
};
