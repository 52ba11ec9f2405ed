#pragma once
// A paint device that records what is drawn on it (texts, lines, rectangles, polygons with the
// pen or brush in force), so a test can read a page back as a list of drawing calls.
#include <memory>
#include <vector>

#include <QColor>
#include <QLineF>
#include <QPaintDevice>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QString>

struct RecordedText {
  QString text;
  QPointF baseline;
};
struct RecordedLine {
  QLineF line;
  QColor color;
  qreal width = 0;
};
struct RecordedPolygon {
  QPolygonF polygon;
  QColor brush;
};
struct RecordedRect {
  QRectF rect;
  QColor pen;   // invalid when drawn without a pen
  QColor brush; // invalid when drawn without a brush
};

struct Recording {
  std::vector<RecordedText> texts;
  std::vector<RecordedLine> lines;
  std::vector<RecordedPolygon> polygons;
  std::vector<RecordedRect> rects;

  bool HasText(const QString &text) const;
  int CountLines(const QColor &color) const;
};

class RecordingDevice : public QPaintDevice {
public:
  RecordingDevice(int w, int h, int dpi = 600);
  ~RecordingDevice() override;

  QPaintEngine *paintEngine() const override;
  const Recording &Result() const { return m_recording; }

protected:
  int metric(PaintDeviceMetric metric) const override;

private:
  int m_w;
  int m_h;
  int m_dpi;
  Recording m_recording;
  std::unique_ptr<QPaintEngine> m_engine;
};
