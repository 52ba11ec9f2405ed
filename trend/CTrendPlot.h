#pragma once
#include <array>
#include <span>
#include <vector>

#include <QImage>
#include <QLine>
#include <QRegion>
#include <QWidget>

#include "core/CChannelState.h"
#include "trend/CurveRaster.h"
#include "trend/TrendGeometry.h"

class CVoltRuler;

// The trend chart: grid and the CH1 and CH2 curves of the panel's sample rings,
// oldest sample at the left edge, newest at the right, in the volt ruler's 10-volt window.
//
// Everything is drawn into an opaque image kept between repaints, at the screen's device pixel
// ratio so that a scaled screen shows the chart sharp; the background and grid are drawn once
// per size into a second image. Each curve is reduced to the rows it covers in each column, and
// the image's pixels are taken from the grid or the curves' colours, only where one of the last
// and the new runs of a column covers them and the other does not. paintEvent brings the image
// up to date when the rings or the ruler moved on, then copies it to the screen; a sample puts
// the changed pixels there itself where it can (PaintThrough).
class CTrendPlot : public QWidget {
  Q_OBJECT
public:
  explicit CTrendPlot(QWidget *parent = nullptr);

  // What the chart reads at every repaint, owned by the panel. The ruler may be null (base 0);
  // a drag that moves its base repaints the chart at once.
  void Attach(std::span<const double> ringCh1, std::span<const double> ringCh2,
              const int *ringOldest, const CVoltRuler *ruler);

  // After a sample: the curves are redrawn, at once where the chart can be put on the screen
  // directly (PaintThrough), otherwise at the next repaint.
  void Invalidate();

  // Draws grid and curves into the image now, from the current data, at the widget's device
  // pixel ratio or at `ratio`: the image is then the widget's size times the ratio, drawn as a
  // chart of that many pixels would be.
  void Render();
  void Render(qreal ratio);

  const QImage &Image() const { return m_image; }

  // The newest CH1 and CH2 samples as a sentence ("CH1 5.000 V, CH2 0.000 V"), for screen
  // readers; empty before the chart is attached.
  QString LatestText() const;

protected:
  void paintEvent(QPaintEvent *event) override;
  void resizeEvent(QResizeEvent *event) override;
  void changeEvent(QEvent *event) override;

private:
  int CurrentBase() const;
  QSize PixelSize(qreal ratio) const;
  bool IsStale() const;
  bool PaintThrough();
  bool Uncovered() const;
  void CopyChangedColumns(uchar *to, qsizetype stride) const;
  void DrawGrid(QSize pixels);
  void RestoreGrid();
  // Per image column, the rows one curve covers (top > bottom where none); sized with the image.
  struct Covered {
    std::vector<int> top;
    std::vector<int> bottom;
    void Resize(int columns);
    trend::ColumnSpans Spans() { return {top.data(), bottom.data()}; }
  };
  using LineSet = std::array<std::array<QLine, trend::kRingCapacity>, 2>;
  int CurveLines(std::span<const double> ring, double lo, double hi, int start,
                 std::span<QLine> lines);
  bool ComposeCurves(const LineSet &lines, const std::array<int, 2> &counts,
                     const std::array<bool, 2> &held);
  // Per curve, the rows each column's new run changes (m_changed) and the box around them;
  // returns how many pixels they are.
  qsizetype FindChangedRows(const std::array<bool, 2> &held);
  // The image's pixels in `area` composed from the grid and the curves, row by row.
  void ComposeRows(const trend::TwoCurves &curves, const QRect &area);
  // The changed pixels composed again: through their box or column by column.
  void ComposeChanged(const trend::TwoCurves &curves);
  void DrawCurves(const LineSet &lines, const std::array<int, 2> &counts);

  std::span<const double> m_ringCh1;
  std::span<const double> m_ringCh2;
  const int *m_pRingOldest = nullptr;
  const CVoltRuler *m_pRuler = nullptr;

  QImage m_grid;
  // Each grid row's first identical copy in m_grid.
  std::vector<const uchar *> m_gridRows;
  QImage m_image;
  bool m_bStale = true;
  // The chart's rectangle in its window, kept as a region so that a flush does not build one.
  QRect m_flushRect;
  QRegion m_flushRegion;
  // Whether the window's store holds the image, at these pixels, as PaintThrough left it; and
  // what the last render changed: the image, only the columns' rows the curves covered before or
  // now, or nothing (the same segments as before: a held curve keeps them from tick to tick).
  bool m_bStoreSynced = false;
  QRect m_storePixels;
  enum class Change { Image, Columns, Nothing };
  Change m_change = Change::Image;
  int m_nDrawnOldest = -1;
  int m_nDrawnBase = 0;

  // Per-curve scratch, kept so that no repaint allocates per point.
  std::array<float, trend::kRingCapacity> m_ys{};
  // The points' x, for m_nXsCount points across m_nXsWidth pixels.
  std::array<int, trend::kRingCapacity> m_xs{};
  int m_nXs = 0;
  int m_nXsCount = -1;
  int m_nXsWidth = -1;
  // The segments drawn last (m_lineSets[m_nDrawnSet], m_drawnCounts; counts -1 when the image
  // shows none), and room for the next ones.
  std::array<LineSet, 2> m_lineSets{};
  int m_nDrawnSet = 0;
  std::array<int, 2> m_drawnCounts{-1, -1};
  // What the image shows over the grid, and the columns of the curves being drawn.
  std::array<Covered, 2> m_covered;
  std::array<Covered, 2> m_next;
  // Per curve, the rows of each column that the last render changed (Change::Columns).
  std::array<Covered, 2> m_changed;
  // The box around them, and whether it goes across whole (rows of it rather than columns).
  QRect m_changedBox;
  bool m_bChangedAsBox = false;
  // Whether m_covered holds the very runs the image shows: the curves were composed, not drawn
  // (a drawn curve's split columns leave only their bounds there).
  bool m_bComposed = false;
};
