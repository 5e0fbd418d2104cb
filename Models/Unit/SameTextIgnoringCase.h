#pragma once

#include <string>

// True when both texts have the same length and agree character by character
// once both are upper-cased in the default locale (so only a to z fold).
bool sameTextIgnoringCase(const std::string& aLeft, const std::string& aRight);
