#pragma once
// A paint device that records the texts and the lines (with the pen in force) drawn on it, and
// counts the filled polygons, so a test can read a page back as drawing calls. Rectangles are
// ignored.
#include <algorithm>
#include <vector>

#include <QImage>
#include <QPaintEngine>
#include <QTextItem>

struct Recording {
  struct Line {
    QLineF line;
    QColor color;
    qreal width;
  };
  std::vector<QString> texts;
  std::vector<Line> lines;
  int polygons = 0;

  bool HasText(const char *text) const {
    return std::count(texts.begin(), texts.end(), QString::fromLatin1(text)) > 0;
  }
};

class RecordingEngine : public QPaintEngine {
public:
  explicit RecordingEngine(Recording &recording) : QPaintEngine(AllFeatures), m_rec(recording) {}
  bool begin(QPaintDevice *) override { return true; }
  bool end() override { return true; }
  Type type() const override { return User; }
  void updateState(const QPaintEngineState &changed) override {
    if (changed.state() & DirtyPen)
      m_pen = changed.pen();
  }
  void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
  void drawRects(const QRectF *, int) override {}
  void drawRects(const QRect *, int) override {}
  void drawTextItem(const QPointF &, const QTextItem &item) override {
    m_rec.texts.push_back(item.text());
  }
  void drawLines(const QLineF *lines, int count) override {
    for (int i = 0; i < count; ++i)
      m_rec.lines.push_back({lines[i], m_pen.color(), m_pen.widthF()});
  }
  void drawPolygon(const QPointF *, int, PolygonDrawMode) override { ++m_rec.polygons; }

private:
  Recording &m_rec;
  QPen m_pen;
};

// A one-bit image stands in for the page: it gives the size and resolution, the engine above
// gets the drawing.
class RecordingDevice : public QImage {
public:
  RecordingDevice(int w, int h, int dpi = 600) : QImage(w, h, QImage::Format_Mono) {
    setDotsPerMeterX(qRound(dpi / 0.0254));
    setDotsPerMeterY(qRound(dpi / 0.0254));
  }
  QPaintEngine *paintEngine() const override { return &m_engine; }
  const Recording &Result() const { return m_recording; }

private:
  Recording m_recording;
  mutable RecordingEngine m_engine{m_recording};
};
