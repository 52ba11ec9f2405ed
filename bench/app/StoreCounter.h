#pragma once
#include <cstdint>

// Heap allocations made inside QBackingStore's beginPaint, endPaint and flush since the program
// started: the platform plugin preparing a window's store for painting and handing the painted
// area to the screen. A benchmark can tell the program's own allocations from the platform's.
std::uint64_t StoreAllocationCount();
