#pragma once

#include "Toolkit/Parameter/ByteString.h"

#include <string>

// Writes the records that a PlayedLine plays.
class LineRecords
{
public:
    LineRecords& raw(const ByteString& aBytes);
    LineRecords& frame(const ByteString& aData);
    LineRecords& silence();
    LineRecords& writeFailure();
    const std::string& records() const { return myRecords; }

private:
    std::string myRecords;
};
