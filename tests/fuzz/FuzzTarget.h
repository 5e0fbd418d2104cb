#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// Every target defines this; libFuzzer calls it in the fuzz build and the
// replay driver calls it on each stored input in every other build.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* aData, std::size_t aSize);

// Ends the run as a failure: a check of documented behaviour did not hold.
#define FUZZ_CHECK(condition)                                                                      \
    ((condition) ? static_cast<void>(0)                                                            \
                 : (std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition), \
                    std::abort()))
