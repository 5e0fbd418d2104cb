#include "Pellora/Language/ComparisonOperator.h"

#include <algorithm>

namespace
{
// ASCII only, so that the order never depends on the locale.
bool isLetter(int aCharacter)
{
    return (aCharacter >= 'A' && aCharacter <= 'Z') || (aCharacter >= 'a' && aCharacter <= 'z');
}

int upper(unsigned char aCharacter)
{
    return (aCharacter >= 'a' && aCharacter <= 'z') ? aCharacter - 'a' + 'A' : aCharacter;
}

int compareCharacters(unsigned char aLeft, unsigned char aRight)
{
    const int left = upper(aLeft);
    const int right = upper(aRight);
    if (left == right)
    {
        return 0;
    }
    if (isLetter(left) != isLetter(right))
    {
        return isLetter(left) ? -1 : 1;
    }
    return left - right;
}
}

ComparisonOperator::ComparisonOperator(Kind aKind)
    : myKind(aKind)
{
}

bool ComparisonOperator::apply(const std::string& aLeft, const std::string& aRight) const
{
    const int order = compare(aLeft, aRight);
    switch (myKind)
    {
    case Equal:
        return order == 0;
    case NotEqual:
        return order != 0;
    case LessOrEqual:
        return order <= 0;
    case GreaterOrEqual:
        return order >= 0;
    case Greater:
        return order > 0;
    case Less:
        return order < 0;
    }
    return false;
}

int ComparisonOperator::compare(const std::string& aLeft, const std::string& aRight)
{
    const std::size_t common = std::min(aLeft.size(), aRight.size());
    for (std::size_t i = 0; i < common; ++i)
    {
        const int order = compareCharacters(static_cast<unsigned char>(aLeft[i]), static_cast<unsigned char>(aRight[i]));
        if (order != 0)
        {
            return order;
        }
    }
    if (aLeft.size() == aRight.size())
    {
        return 0;
    }
    return aLeft.size() < aRight.size() ? -1 : 1;
}
