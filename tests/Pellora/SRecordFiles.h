#pragma once

#include <string>
#include <vector>

// The S-record lines of a small file that ends with its termination record;
// aTag keeps the lines of different files apart.
std::vector<std::string> recordLines(const std::string& aTag, int aCount);

// The lines as a file holds them, each ended by "\n".
std::string fileText(const std::vector<std::string>& someLines);
