#pragma once

#include "Toolkit/Parameter/ControlParameter.h"
#include "Toolkit/Parameter/ParameterId.h"

#include <iosfwd>
#include <map>

class AbstractProtocol;

// The control parameters of a device by id, held by value; also writes and
// applies configuration files.
class ControlCollection
{
public:
    using Map = std::map<ParameterId, ControlParameter>;

    ControlCollection();
    virtual ~ControlCollection();

    // Reads the parameters of anOwner in group aGroup (only the low 8 bits
    // count) with one list request, stores every value without notifying, then
    // notifies every parameter of anOwner, also those outside the group.
    virtual void refresh(AbstractProtocol* anOwner, int aGroup);
    virtual void refreshAll(AbstractProtocol* anOwner);
    // Throws VornaException "Couldn't find parameter " + id text + newline.
    virtual ControlParameter& find(const ParameterId& anId);
    // Writes the configuration file of the restorable parameters; throws
    // VornaException when any write fails.
    virtual void save(std::ostream& aStream);
    // Reads, verifies and applies a configuration file; every failure of ours
    // becomes "This is not a valid configuration file for this device".
    virtual void restore(std::istream& aStream);

    // Notifies every parameter of anOwner, in id order.
    void notifyOwned(AbstractProtocol* anOwner);

    // Stores the parameter under its id, replacing one there.
    ControlParameter& add(const ControlParameter& aParameter);
    Map& parameters() { return myParameters; }
    const Map& parameters() const { return myParameters; }

private:
    void refreshOwned(AbstractProtocol* anOwner, bool aWholeCollection, int aGroup);
    void apply(std::istream& aStream);

    Map myParameters;
};
