#pragma once

#include "Toolkit/Parameter/Parameter.h"
#include "Toolkit/Parameter/ParameterCollection.h"

// The status parameters of a device by id, held by value.
class StatusCollection : public ParameterCollection<Parameter>
{
public:
    virtual ~StatusCollection() = default;

    // Reads the parameters of anOwner in group aGroup (only the low 8 bits of
    // aGroup count) with one list request, then hands the answer to every
    // parameter, each notifying on a change. The request is made also when
    // no id is collected.
    virtual void refresh(AbstractProtocol* anOwner, int aGroup);
    // The same for every parameter of anOwner.
    virtual void refreshAll(AbstractProtocol* anOwner);
    // Throws VornaException "Couldn't find parameter " + id text + newline.
    virtual Parameter& find(const ParameterId& anId);
};
