#pragma once

#include <string>

// The byte strings that values, value messages and frames are built from.
using ByteString = std::basic_string<unsigned char>;
