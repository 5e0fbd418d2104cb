#pragma once

#include <string>

namespace Platform
{
// One change the user made in an edit field: the characters start..end of
// the text before it gave way to inserted.
struct EditChange
{
    int start = 0;
    int end = 0;
    std::string inserted;
};

// The change from aBefore to anAfter. The caret stands after what was typed
// or pasted, which tells where the change lies when the text repeats itself
// (typing "8" over the middle "8" of "888").
EditChange editChange(const std::string& aBefore, const std::string& anAfter, long aCaret);
}
