#pragma once

#include "Toolkit/Parameter/Parameter.h"
#include "Toolkit/Parameter/ParameterId.h"

#include <map>

class AbstractProtocol;

// The status parameters of a device by id, held by value.
class StatusCollection
{
public:
    using Map = std::map<ParameterId, Parameter>;

    StatusCollection();
    virtual ~StatusCollection();

    // Reads the parameters of anOwner in group aGroup (only the low 8 bits of
    // aGroup count) with one list request, then hands the answer to every
    // parameter, each notifying on a change. The request is made also when
    // no id is collected.
    virtual void refresh(AbstractProtocol* anOwner, int aGroup);
    // The same for every parameter of anOwner.
    virtual void refreshAll(AbstractProtocol* anOwner);
    // Throws VornaException "Couldn't find parameter " + id text + newline.
    virtual Parameter& find(const ParameterId& anId);

    // Stores the parameter under its id, replacing one there.
    Parameter& add(const Parameter& aParameter);
    Map& parameters() { return myParameters; }
    const Map& parameters() const { return myParameters; }

private:
    void refreshOwned(AbstractProtocol* anOwner, bool aWholeCollection, int aGroup);

    Map myParameters;
};
