// Memory and string functions of the in-memory renderer, with live counts.

#include "OrbScene.h"

#include <orbmem/MemoryRuntime.h>

#include <atomic>
#include <cstdlib>

namespace {
std::atomic<std::int64_t> g_allocations{0};
std::atomic<std::int64_t> g_aligned{0};
} // namespace

namespace orb {
// Shared with the scene, which hands out arrays and records and keeps strings.
std::atomic<std::int64_t> g_arrays{0};
std::atomic<std::int64_t> g_records{0};
std::atomic<std::int64_t> g_strings{0};
std::atomic<std::int64_t> g_painters{0};

MemoryStats memoryStats()
{
    return {g_allocations.load(), g_aligned.load(), g_arrays.load(),
            g_records.load(), g_strings.load(), g_painters.load()};
}

void Unique_array_helper::free(void* data)
{
    if (!data)
        return;
    --g_arrays;
    std::free(data);
}
} // namespace orb

void* orb_malloc(std::size_t size)
{
    void* p = std::malloc(size ? size : 1);
    if (p)
        ++g_allocations;
    return p;
}

void orb_free(void* block)
{
    if (!block)
        return;
    --g_allocations;
    std::free(block);
}

void* orb_malloc_aligned(std::size_t size, std::size_t alignment)
{
    // aligned_alloc needs a power-of-two alignment of at least sizeof(void*)
    // and a size that is a multiple of it.
    if (alignment < sizeof(void*) || (alignment & (alignment - 1)) != 0)
        return nullptr;
    std::size_t rounded = (size + alignment - 1) / alignment * alignment;
    if (rounded < size)
        return nullptr;
    void* p = std::aligned_alloc(alignment, rounded ? rounded : alignment);
    if (p)
        ++g_aligned;
    return p;
}

void orb_free_aligned(void* block)
{
    if (!block)
        return;
    --g_aligned;
    std::free(block);
}

char* orb_string_dup(orbScene* scene, const char* text)
{
    if (!scene || !text)
        return nullptr;
    return scene->storeString(text);
}
