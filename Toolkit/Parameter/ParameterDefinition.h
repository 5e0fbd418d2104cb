#pragma once

#include "Toolkit/Parameter/ParameterValue.h"

#include <iosfwd>
#include <string>

// A parameter's display name and its value-to-text formatter. Both formatters
// report a failing stream only through their result.
class ParameterDefinition
{
public:
    explicit ParameterDefinition(const std::string& aName);
    virtual ~ParameterDefinition() = default;
    // True when the stream is good afterwards.
    virtual bool formatValue(std::ostream& aStream, const ParameterValue& aValue) const = 0;
    // Writes the name (nothing when empty); true when the stream is good afterwards.
    virtual bool formatName(std::ostream& aStream) const;

    const std::string& name() const { return myName; }

protected:
    static bool isGood(const std::ostream& aStream);

    std::string myName;
};
