#pragma once

#include <string>

// A folder of the fuzz process's own for the files a target writes, made on
// first use and removed when the process ends.
const std::string& scratchFolder();

// Writes aContent byte for byte to the file aName in the scratch folder and returns its path.
std::string writeScratchFile(const std::string& aName, const std::string& aContent);
