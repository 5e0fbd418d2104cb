#pragma once

class ParameterValue;

// A test on a parameter's value that chooses what a status observer shows.
class ValuePredicate
{
public:
    virtual ~ValuePredicate() = default;
    virtual bool test(const ParameterValue& aValue) const = 0;
};
