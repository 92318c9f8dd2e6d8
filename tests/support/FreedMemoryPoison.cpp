#include "support/FreedMemoryPoison.h"

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <new>

// AddressSanitizer finds such uses itself; it and ThreadSanitizer bring their own operator new and
// delete, which must be neither replaced nor paired with a plain free.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define VEXOB_UNDER_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
#define VEXOB_UNDER_SANITIZER 1
#endif
#endif

#if defined(__GLIBC__) && !defined(VEXOB_UNDER_SANITIZER)
#define VEXOB_POISON_FREED_MEMORY 1
#include <malloc.h>
#endif

namespace
{
std::atomic<int> poisoners{0};
} // namespace

ScopedFreedMemoryPoison::ScopedFreedMemoryPoison()
{
    ++poisoners;
}

ScopedFreedMemoryPoison::~ScopedFreedMemoryPoison()
{
    --poisoners;
}

#ifdef VEXOB_POISON_FREED_MEMORY
// The standard library's operator new takes its blocks from malloc, so they go back to free.
void operator delete (void* block) noexcept
{
    // Every byte 0xa5: as a pointer far outside the address space, as a count negative.
    constexpr int poison = 0xa5;

    if (block != nullptr && poisoners.load (std::memory_order_relaxed) > 0)
    {
        std::memset (block, poison, malloc_usable_size (block));
        // Filling a block that is about to be freed is a dead store the compiler would drop.
        asm volatile("" : : "r"(block) : "memory");
    }

    std::free (block);
}

void operator delete (void* block, std::size_t) noexcept
{
    ::operator delete (block);
}

void operator delete[] (void* block) noexcept
{
    ::operator delete (block);
}

void operator delete[] (void* block, std::size_t) noexcept
{
    ::operator delete (block);
}
#endif
