#pragma once

namespace Platform
{
// One entry of an accelerator table: a key with the modifiers held, and the
// command it gives. Keys are the desktop-neutral virtual-key numbers below.
struct Accelerator
{
    // Modifiers, or-ed.
    static constexpr unsigned shift = 1;
    static constexpr unsigned control = 2;
    static constexpr unsigned alt = 4;

    // Keys: letters and digits are their upper-case characters.
    static constexpr unsigned backspace = 0x08;
    static constexpr unsigned insert = 0x2D;
    static constexpr unsigned deleteKey = 0x2E;
    static constexpr unsigned f1 = 0x70; // F1 to F12 follow on

    unsigned key = 0;
    unsigned modifiers = 0;
    unsigned command = 0;
};
}
