#include "Models/Unit/SameTextIgnoringCase.h"

#include <algorithm>
#include <cctype>

bool sameTextIgnoringCase(const std::string& aLeft, const std::string& aRight)
{
    return std::equal(aLeft.begin(), aLeft.end(), aRight.begin(), aRight.end(), [](char aFirst, char aSecond) {
        return std::toupper(static_cast<unsigned char>(aFirst)) == std::toupper(static_cast<unsigned char>(aSecond));
    });
}
