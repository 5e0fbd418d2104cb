#pragma once

#include <sstream>

class Parameter;

// The text of a limit change that the present value of a parameter breaks.
class InconsistentStateMessage : public std::ostringstream
{
public:
    explicit InconsistentStateMessage(const Parameter& aParameter);
};
