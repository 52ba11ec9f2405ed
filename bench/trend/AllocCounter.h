#pragma once
#include <cstdint>

// Every operator new in the program counts here, so a benchmark can show a path allocates nothing.
std::uint64_t AllocationCount();
