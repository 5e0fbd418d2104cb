#include "Toolkit/Parameter/ControlCollection.h"

#include "Toolkit/Parameter/AbstractProtocol.h"
#include "Toolkit/Parameter/ConfigurationContents.h"
#include "Toolkit/Parameter/CountRestorableParams.h"
#include "Toolkit/Parameter/RestoreIdAndValue.h"
#include "Toolkit/Parameter/SaveIdAndValue.h"
#include "Toolkit/Parameter/VornaException.h"

#include <algorithm>
#include <ostream>
#include <sstream>
#include <vector>

namespace
{
// Values that did not take are tried again, after all others, this many times in all.
const int thePassLimit = 5;

bool failed(const std::ios& aStream)
{
    return aStream.fail() || aStream.bad();
}
}

ControlCollection::ControlCollection()
{
}

ControlCollection::~ControlCollection()
{
}

void ControlCollection::refresh(AbstractProtocol* anOwner, int aGroup)
{
    refreshOwned(anOwner, false, aGroup);
}

void ControlCollection::refreshAll(AbstractProtocol* anOwner)
{
    refreshOwned(anOwner, true, 0);
}

ControlParameter& ControlCollection::find(const ParameterId& anId)
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

void ControlCollection::save(std::ostream& aStream)
{
    std::uint32_t count = 0;
    std::for_each(myParameters.begin(), myParameters.end(), CountRestorableParams(&count));
    ConfigurationContents::writeNumber(aStream, count);
    if (failed(aStream))
    {
        throw VornaException("Error saving the parameter count.");
    }
    std::uint32_t checksum = count;
    std::for_each(myParameters.begin(), myParameters.end(), SaveIdAndValue(aStream, &checksum));
    ConfigurationContents::writeNumber(aStream, checksum);
    // A buffered file may fail only when its bytes go out.
    aStream.flush();
    if (failed(aStream))
    {
        throw VornaException("Error saving the checksum.");
    }
}

void ControlCollection::restore(std::istream& aStream)
{
    try
    {
        apply(aStream);
    }
    catch (const VornaException&)
    {
        throw VornaException("This is not a valid configuration file for this device");
    }
}

void ControlCollection::notifyOwned(AbstractProtocol* anOwner)
{
    for (Map::value_type& entry : myParameters)
    {
        if (entry.second.owner() == anOwner)
        {
            entry.second.notify();
        }
    }
}

ControlParameter& ControlCollection::add(const ControlParameter& aParameter)
{
    myParameters.erase(aParameter.id());
    return myParameters.emplace(aParameter.id(), aParameter).first->second;
}

void ControlCollection::refreshOwned(AbstractProtocol* anOwner, bool aWholeCollection, int aGroup)
{
    const ParameterId groupId(aGroup, 0);
    std::vector<ParameterId> ids;
    for (const Map::value_type& entry : myParameters)
    {
        const ControlParameter& parameter = entry.second;
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
    notifyOwned(anOwner);
}

void ControlCollection::apply(std::istream& aStream)
{
    ParameterValueMap remaining = ConfigurationContents(aStream);
    for (int passes = 0; !remaining.empty(); ++passes)
    {
        if (passes == thePassLimit)
        {
            throw VornaException("Some of the parameters could not be set.");
        }
        ParameterValueMap retries;
        std::for_each(remaining.begin(), remaining.end(), RestoreIdAndValue(this, &retries));
        remaining.swap(retries);
    }
}
