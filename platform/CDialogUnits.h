#pragma once
#include <QFont>
#include <QRect>

namespace platform {

// Dialog units from a font's metrics: the base width is the average advance over A-Z and a-z,
// the base height the font's line height; x dialog units are x * baseX / 4 pixels, y are
// y * baseY / 8 pixels (rounded as MulDiv rounds).
class CDialogUnits {
public:
  explicit CDialogUnits(const QFont &font);
  CDialogUnits(int baseX, int baseY) : m_nBaseX(baseX), m_nBaseY(baseY) {}

  int BaseX() const { return m_nBaseX; }
  int ToPixelsX(int x) const;
  int ToPixelsY(int y) const;
  QRect ToPixels(int x, int y, int cx, int cy) const;

  // The font a template names, or the fallback that keeps its layout when the face is missing.
  static QFont TemplateFont(const char *face, int points);

private:
  int m_nBaseX;
  int m_nBaseY;
};

} // namespace platform
