#pragma once

#include "Toolkit/Parameter/ControlParameter.h"
#include "Toolkit/Parameter/ParameterCollection.h"

#include <iosfwd>

// The control parameters of a device by id, held by value; also writes and
// applies configuration files.
class ControlCollection : public ParameterCollection<ControlParameter>
{
public:
    // The one message of every failed restore.
    static constexpr const char* invalidFileMessage = "This is not a valid configuration file for this device";

    virtual ~ControlCollection() = default;

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
    // The two halves of restore: the records of a verified file, and their
    // application pass by pass. Failures end as restore's do.
    static ParameterValueMap readConfiguration(std::istream& aStream);
    void restore(const ParameterValueMap& someRecords);

    // Notifies every parameter of anOwner, in id order.
    void notifyOwned(AbstractProtocol* anOwner);

private:
    void apply(const ParameterValueMap& someRecords);
};
