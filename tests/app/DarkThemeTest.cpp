#include <algorithm>
#include <map>

#include <QApplication>
#include <QImage>
#include <QPalette>
#include <QTableView>

#include "app/DarkPalette.h"
#include "controls/CVoltKnob.h"
#include "platform/ColourContrast.h"
#include "tests/app/AppFixture.h"
#include "trend/CTrendPlot.h"

namespace {

// The image's most frequent colour (its background), and the contrast of the colour that stands
// out from it most (its ink).
struct Ink {
  QColor background;
  double ratio = 1.0;
};

Ink MeasureInk(const QImage &image, const QRect &area) {
  std::map<QRgb, int> counts;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      ++counts[image.pixel(x, y)];
  const auto most =
      std::max_element(counts.begin(), counts.end(),
                       [](const auto &a, const auto &b) { return a.second < b.second; });
  Ink result{QColor(most->first)};
  for (const auto &[rgb, count] : counts)
    result.ratio = std::max(result.ratio, platform::ContrastRatio(QColor(rgb), result.background));
  return result;
}

TEST(Contrast, RatiosAreTheUsualOnes) {
  const struct {
    QColor a, b;
    double ratio;
  } rows[] = {{Qt::black, Qt::white, 21.0}, {QColor(0, 0, 255), QColor(255, 255, 255), 8.59}};
  for (const auto &row : rows) {
    EXPECT_NEAR(platform::ContrastRatio(row.a, row.b), row.ratio, 0.01)
        << row.a.name().toStdString();
    EXPECT_NEAR(platform::ContrastRatio(row.b, row.a), row.ratio, 0.01);
  }
}

class DarkTheme : public testhelp::AppFixture {
protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(AppFixture::SetUp());
    m_view->OnToggleCompact();
    // Switched after start-up, so the cached images must follow the change.
    QApplication::setPalette(DarkPalette());
    QCoreApplication::processEvents();
  }
  void TearDown() override { QApplication::setPalette(m_light); }

  QPalette m_light = QApplication::palette();
};

TEST_F(DarkTheme, TextStaysLegibleOnItsBackground) {
  const int ids[] = {ctl::kVoltRuler, ctl::kTimeRuler, ctl::kCh1Legend, ctl::kCh2RadioLabel};
  for (int id : ids) {
    const QImage image = Item(id)->grab().toImage();
    const Ink ink = MeasureInk(image, image.rect());
    EXPECT_GE(ink.ratio, platform::kTextContrast)
        << id << " on " << ink.background.name().toStdString();
  }
  // One cell of the step table, inside its grid lines.
  auto *list = qobject_cast<QTableView *>(Item(ctl::kStepList));
  const QImage cells = list->viewport()->grab().toImage();
  const QRect cell = list->visualRect(list->model()->index(0, 0)).adjusted(1, 1, -2, -2);
  const Ink ink = MeasureInk(cells, cell);
  EXPECT_EQ(ink.background, QColor(247, 247, 255)); // the fixed background is kept
  EXPECT_GE(ink.ratio, platform::kTextContrast);
}

TEST_F(DarkTheme, ChartGridIsFaintAndKnobRingsShow) {
  auto *chart = qobject_cast<CTrendPlot *>(Item(ctl::kTrendPlot));
  chart->Render(1.0);
  const QImage image = chart->Image();
  // x = 0 is a grid line, the middle of the first column is not; the curves lie at the bottom.
  const QColor background = image.pixelColor(image.width() / 40, 3);
  const QColor grid = image.pixelColor(0, 3);
  EXPECT_EQ(background, QColor(247, 247, 255));
  EXPECT_GT(platform::ContrastRatio(grid, background), 1.05);
  EXPECT_LT(platform::ContrastRatio(grid, background), 1.5);

  auto *knob = qobject_cast<CVoltKnob *>(Item(ctl::kCh1Knob));
  const QImage face = knob->DrawFace();
  // The bottom of the outer circle, where no label lies, against the face just inside it.
  const int x = face.width() / 2;
  const int bottom = face.height() - 7;
  const QColor dial = face.pixelColor(x, bottom - 4);
  double ring = 1.0;
  for (int y = bottom - 2; y <= bottom + 2; ++y)
    ring = std::max(ring, platform::ContrastRatio(face.pixelColor(x, y), dial));
  EXPECT_GE(ring, platform::kGraphicContrast);
  // The "+5" label at the top, black on its white box whatever the palette.
  const Ink label = MeasureInk(face, QRect(x, 0, 8, 7));
  EXPECT_EQ(label.background, QColor(Qt::white));
  EXPECT_GE(label.ratio, platform::kTextContrast);
}

} // namespace
