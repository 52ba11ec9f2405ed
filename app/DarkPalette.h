#pragma once
#include <QPalette>

// A dark desktop palette of the common kind (light text on dark grey), for pictures of how the
// panel looks on a dark desktop without needing one: `KTX2300M --palette dark`.
QPalette DarkPalette();
