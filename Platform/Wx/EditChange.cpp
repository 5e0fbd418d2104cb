#include "Platform/Wx/EditChange.h"

#include <algorithm>

namespace Platform
{
EditChange editChange(const std::string& aBefore, const std::string& anAfter, long aCaret)
{
    const std::size_t before = aBefore.size();
    const std::size_t after = anAfter.size();
    std::size_t tail = 0;
    if (aCaret >= 0 && static_cast<std::size_t>(aCaret) <= after)
    {
        tail = after - static_cast<std::size_t>(aCaret);
    }
    if (tail > before || aBefore.compare(before - tail, tail, anAfter, after - tail, tail) != 0)
    {
        tail = 0;
        while (tail < before && tail < after && aBefore[before - 1 - tail] == anAfter[after - 1 - tail])
        {
            ++tail;
        }
    }
    std::size_t head = 0;
    while (head + tail < before && head + tail < after && aBefore[head] == anAfter[head])
    {
        ++head;
    }
    EditChange change;
    change.start = static_cast<int>(head);
    change.end = static_cast<int>(before - tail);
    change.inserted = anAfter.substr(head, after - tail - head);
    return change;
}
}
