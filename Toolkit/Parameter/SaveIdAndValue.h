#pragma once

#include "Toolkit/Parameter/RestorableParamAction.h"

#include <cstdint>
#include <iosfwd>
#include <utility>

// Writes the record (id, current value) of every restorable control parameter,
// adding both to the checksum.
class SaveIdAndValue : public RestorableParamAction<SaveIdAndValue>
{
public:
    SaveIdAndValue(std::ostream& aStream, std::uint32_t* aChecksum);

private:
    friend class RestorableParamAction<SaveIdAndValue>;
    void take(const std::pair<const ParameterId, ControlParameter>& anEntry);

    std::ostream* myStream;
    std::uint32_t* myChecksum;
};
