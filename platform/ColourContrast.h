#pragma once
// Colour rules for custom-drawn parts that must stay legible under any desktop palette.
#include <QColor>

namespace platform {

// Relative luminance of an sRGB colour, 0 (black) to 1 (white), as WCAG defines it.
double RelativeLuminance(const QColor &colour);

// (lighter + 0.05) / (darker + 0.05): 1 for equal colours, 21 for black on white.
double ContrastRatio(const QColor &a, const QColor &b);

// Text and thin lines on a background.
inline constexpr double kTextContrast = 4.5;
inline constexpr double kGraphicContrast = 3.0;

// `preferred` when it stands out from `background` by at least `minRatio`; otherwise `fallback`
// when that does, else whichever of black and white stands out more. With a light palette the
// preferred colour is kept, so what a light desktop shows does not change.
QColor LegibleInk(const QColor &preferred, const QColor &background, double minRatio,
                  const QColor &fallback);

// A faint line: `preferred` when it differs from `background` by at most `maxRatio`, else
// `preferred` mixed into `background` until it does. A dark palette's colour on a light chart
// would otherwise draw a heavy grid.
QColor SoftLine(const QColor &preferred, const QColor &background, double maxRatio);

} // namespace platform
