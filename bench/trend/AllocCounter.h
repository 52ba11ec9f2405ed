#pragma once
#include <cstdint>

// Every heap allocation of the program counts here (malloc, calloc, realloc and the aligned
// forms, so operator new, Qt and GLib too): a benchmark can show that a path allocates nothing.
std::uint64_t AllocationCount();
