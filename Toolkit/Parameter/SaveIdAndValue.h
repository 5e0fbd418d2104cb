#pragma once

#include "Toolkit/Parameter/ControlParameter.h"
#include "Toolkit/Parameter/ParameterId.h"

#include <cstdint>
#include <iosfwd>
#include <utility>

// Writes the record (id, current value) of every restorable control parameter,
// adding both to the checksum.
class SaveIdAndValue
{
public:
    SaveIdAndValue(std::ostream& aStream, std::uint32_t* aChecksum);
    void operator()(const std::pair<const ParameterId, ControlParameter>& anEntry);

private:
    std::ostream* myStream;
    std::uint32_t* myChecksum;
};
