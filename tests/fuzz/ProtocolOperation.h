#pragma once

#include "tests/fuzz/FuzzInput.h"
#include "tests/fuzz/FuzzOutput.h"

#include <cstdint>
#include <string>

class AbstractProtocol;

// The operations of the protocol stack that a fuzz input asks for, each
// described by a fixed record of bytes, so that the seed writer can record
// the unit's answers to the same operations that the target then replays.
struct ProtocolOperation
{
    enum Kind
    {
        status,
        get,
        list,
        set,
        setAndGet
    };
    static constexpr int kinds = 5;
    static constexpr std::size_t recordSize = 8;

    Kind kind = status;
    std::uint8_t group = 0;
    std::uint8_t index = 0;
    std::int16_t number = 0;
    std::uint8_t textLength = 0xFF; // 0xFF: the value is the number, else a text of this length
    std::uint8_t settle = 0;        // in 10 ms
    std::uint8_t listCount = 1;

    static ProtocolOperation read(FuzzInput& anInput);
    void write(FuzzOutput& anOutput) const;

    // Runs the operation; the program's exceptions pass through, and the
    // documented results are checked.
    void run(AbstractProtocol& aProtocol) const;
};
