#include "Toolkit/Parameter/ControlCollection.h"

#include "Toolkit/Parameter/AbstractProtocol.h"
#include "Toolkit/Parameter/ConfigurationContents.h"
#include "Toolkit/Parameter/CountRestorableParams.h"
#include "Toolkit/Parameter/RestoreIdAndValue.h"
#include "Toolkit/Parameter/SaveIdAndValue.h"
#include "Toolkit/Parameter/VornaException.h"

#include <algorithm>
#include <ostream>

namespace
{
// Values that did not take are tried again, after all others, this many times in all.
const int thePassLimit = 5;

bool failed(const std::ios& aStream)
{
    return aStream.fail() || aStream.bad();
}
}

void ControlCollection::refresh(AbstractProtocol* anOwner, int aGroup)
{
    readOwned(anOwner, false, aGroup);
    notifyOwned(anOwner);
}

void ControlCollection::refreshAll(AbstractProtocol* anOwner)
{
    readOwned(anOwner, true, 0);
    notifyOwned(anOwner);
}

ControlParameter& ControlCollection::find(const ParameterId& anId)
{
    return lookUp(anId);
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
    restore(readConfiguration(aStream));
}

ParameterValueMap ControlCollection::readConfiguration(std::istream& aStream)
{
    try
    {
        return ConfigurationContents(aStream);
    }
    catch (const VornaException&)
    {
        throw VornaException(invalidFileMessage);
    }
}

void ControlCollection::restore(const ParameterValueMap& someRecords)
{
    try
    {
        apply(someRecords);
    }
    catch (const VornaException&)
    {
        throw VornaException(invalidFileMessage);
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

void ControlCollection::apply(const ParameterValueMap& someRecords)
{
    ParameterValueMap remaining = someRecords;
    // A file of another model is refused before anything is written to the unit.
    for (const ParameterValueMap::value_type& record : remaining)
    {
        find(record.first);
    }
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
