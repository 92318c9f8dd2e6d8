#pragma once

// Without AddressSanitizer (the README's test command), an object used after its deletion usually
// still holds its old bytes, so such a use passes unseen. While one of these exists, every block
// given back through delete is first filled with a pattern that is no valid pointer: a later use
// of the object follows garbage and the test process crashes there. Only where the C library can
// tell a block's size (glibc) and no sanitizer watches already; elsewhere it does nothing.
class ScopedFreedMemoryPoison
{
public:
    ScopedFreedMemoryPoison();
    ~ScopedFreedMemoryPoison();

    ScopedFreedMemoryPoison (const ScopedFreedMemoryPoison&) = delete;
    ScopedFreedMemoryPoison& operator= (const ScopedFreedMemoryPoison&) = delete;
};
