#pragma once
#include <array>
#include <span>
#include <vector>

#include <QImage>
#include <QLine>
#include <QWidget>

#include "core/CChannelState.h"
#include "trend/TrendGeometry.h"

class CVoltRuler;

// The trend chart: grid and the CH1 and CH2 curves of the panel's sample rings,
// oldest sample at the left edge, newest at the right, in the volt ruler's 10-volt window.
//
// Everything is drawn into an opaque image kept between repaints, at the screen's device pixel
// ratio so that a scaled screen shows the chart sharp; the background and grid are drawn once
// per size into a second image, the curves written into its rows. Before the next curves only
// the pixels the last ones covered are taken back from the grid (all of them when that is most
// of the image). paintEvent brings the image up to date when the rings or the ruler moved on,
// then copies it to the screen.
class CTrendPlot : public QWidget {
  Q_OBJECT
public:
  explicit CTrendPlot(QWidget *parent = nullptr);

  // What the chart reads at every repaint, owned by the panel. The ruler may be null (base 0);
  // a drag that moves its base repaints the chart at once.
  void Attach(std::span<const double> ringCh1, std::span<const double> ringCh2,
              const int *ringOldest, const CVoltRuler *ruler);

  // After a sample: the next repaint redraws the curves.
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
  void DrawGrid(QSize pixels);
  void RestoreGrid();
  // Per image column, the rows one curve covers (top > bottom where none); sized with the image.
  struct Covered {
    std::vector<int> top;
    std::vector<int> bottom;
  };
  void DrawCurve(std::span<const double> ring, double lo, double hi, int start, COLORREF color,
                 Covered &covered);

  std::span<const double> m_ringCh1;
  std::span<const double> m_ringCh2;
  const int *m_pRingOldest = nullptr;
  const CVoltRuler *m_pRuler = nullptr;

  QImage m_grid;
  QImage m_image;
  bool m_bStale = true;
  int m_nDrawnOldest = -1;
  int m_nDrawnBase = 0;

  // Per-curve scratch, kept so that no repaint allocates per point.
  std::array<float, trend::kRingCapacity> m_ys{};
  std::array<QLine, trend::kRingCapacity> m_lines{};
  std::array<Covered, 2> m_covered;
};
