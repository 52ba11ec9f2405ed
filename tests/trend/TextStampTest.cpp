// Text on a plain image drawn from kept pictures must be Qt's own drawing of it, the first time
// and from the kept picture, whatever the size, face, colour or placement. Qt's own drawings of a
// large face vary at the glyphs' edges with what it drew before (its first drawing, a PDF page):
// by up to a tenth of full ink. A moved, cut or missing glyph differs by far more.
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>

#include "trend/TextStamp.h"

using namespace trend;

namespace {

// The largest difference of one colour channel between same-sized images: 255 where a pixel
// moved, 1 where only rounding differs.
inline int LargestChannelDifference(const QImage &a, const QImage &b) {
  int largest = a.size() == b.size() ? 0 : 255;
  for (int y = 0; y < std::min(a.height(), b.height()); ++y)
    for (int x = 0; x < std::min(a.width(), b.width()); ++x) {
      const QRgb p = a.pixel(x, y);
      const QRgb q = b.pixel(x, y);
      largest = std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                          std::abs(qBlue(p) - qBlue(q))});
    }
  return largest;
}

constexpr int kEdgeVariation = 32;

QImage Page() {
  QImage image(900, 400, QImage::Format_RGB32);
  image.setDotsPerMeterX(23622); // 600 dpi
  image.setDotsPerMeterY(23622);
  image.fill(Qt::white);
  return image;
}

} // namespace

TEST(TextStamp, DrawsExactlyWhatQtDraws) {
  const struct {
    int pixels; // 0: the page's 9-point font at 600 dpi
    bool italic;
    QRgb ink;
    QPoint at;
    bool inRect;
    const char *text;
  } cases[] = {
      {0, false, 0xff000000, {40, 150}, false, "Date = 05-03-2013     Time = 09:07:45"},
      {90, true, 0xff000000, {13, 170}, false, "Wavy: fifty"},
      {90, true, 0xff0000ff, {14, 171}, false, "Wavy: fifty"}, // same text, other ink and place
      {30, false, 0xff000000, {20, 60}, false, "small text Qt keeps itself"},
      {150, true, 0xff000000, {7, 30}, true, "Test Report"},
  };
  for (const auto &c : cases) {
    QFont font;
    if (c.pixels > 0)
      font.setPixelSize(c.pixels);
    font.setItalic(c.italic);
    font.setBold(c.italic);
    const QString text = QString::fromLatin1(c.text);
    const QRect rect(c.at, QSize(880 - c.at.x(), 360));
    const auto draw = [&](bool direct) {
      QImage image = Page();
      QPainter painter(&image);
      painter.setFont(font);
      painter.setPen(QColor::fromRgb(c.ink));
      if (direct && c.inRect)
        painter.drawText(rect, Qt::AlignHCenter | Qt::AlignTop, text);
      else if (direct)
        painter.drawText(c.at, text);
      else if (c.inRect)
        DrawStampedText(painter, rect, Qt::AlignHCenter | Qt::AlignTop, text);
      else
        DrawStampedText(painter, c.at, text);
      return image;
    };
    const QImage expected = draw(true);
    EXPECT_NE(expected, Page()) << c.text; // something was drawn
    EXPECT_LE(LargestChannelDifference(draw(false), expected), kEdgeVariation)
        << c.text << " (first drawing)";
    EXPECT_LE(LargestChannelDifference(draw(false), expected), kEdgeVariation)
        << c.text << " (kept picture)";
  }
}
