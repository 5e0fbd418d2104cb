#pragma once

#include <stdexcept>
#include <string>

namespace Platform
{
// A scripted run went other than its script: a dialog or message box that
// nobody expected, an answer that does not fit, a control that is not there.
// It is no error of the program's own kinds, so the program's handlers let it
// pass to the test.
class ScriptFailure : public std::logic_error
{
public:
    explicit ScriptFailure(const std::string& aMessage) : std::logic_error(aMessage) {}
};
}
