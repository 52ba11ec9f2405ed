#include "RecordingDevice.h"

#include <QPaintEngine>
#include <QTextItem>

namespace {

class RecordingEngine : public QPaintEngine {
public:
  explicit RecordingEngine(Recording &recording)
      : QPaintEngine(QPaintEngine::AllFeatures), m_recording(recording) {}

  bool begin(QPaintDevice *) override { return true; }
  bool end() override { return true; }
  Type type() const override { return QPaintEngine::User; }
  void updateState(const QPaintEngineState &state) override {
    if (state.state() & QPaintEngine::DirtyPen)
      m_pen = state.pen();
    if (state.state() & QPaintEngine::DirtyBrush)
      m_brush = state.brush();
  }
  void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
  void drawTextItem(const QPointF &p, const QTextItem &item) override {
    m_recording.texts.push_back({item.text(), p});
  }
  void drawLines(const QLineF *lines, int count) override {
    for (int i = 0; i < count; ++i)
      m_recording.lines.push_back({lines[i], m_pen.color(), m_pen.widthF()});
  }
  void drawLines(const QLine *lines, int count) override {
    for (int i = 0; i < count; ++i)
      m_recording.lines.push_back({QLineF(lines[i]), m_pen.color(), m_pen.widthF()});
  }
  void drawRects(const QRectF *rects, int count) override {
    for (int i = 0; i < count; ++i)
      m_recording.rects.push_back({rects[i], PenColor(), BrushColor()});
  }
  void drawRects(const QRect *rects, int count) override {
    for (int i = 0; i < count; ++i)
      m_recording.rects.push_back({QRectF(rects[i]), PenColor(), BrushColor()});
  }
  void drawPolygon(const QPointF *points, int count, PolygonDrawMode) override {
    QPolygonF polygon;
    for (int i = 0; i < count; ++i)
      polygon << points[i];
    m_recording.polygons.push_back({polygon, BrushColor()});
  }
  void drawPolygon(const QPoint *points, int count, PolygonDrawMode mode) override {
    std::vector<QPointF> converted(points, points + count);
    drawPolygon(converted.data(), count, mode);
  }

private:
  QColor PenColor() const { return m_pen.style() == Qt::NoPen ? QColor() : m_pen.color(); }
  QColor BrushColor() const { return m_brush.style() == Qt::NoBrush ? QColor() : m_brush.color(); }

  Recording &m_recording;
  QPen m_pen;
  QBrush m_brush;
};

} // namespace

bool Recording::HasText(const QString &text) const {
  for (const auto &t : texts)
    if (t.text == text)
      return true;
  return false;
}

int Recording::CountLines(const QColor &color) const {
  int count = 0;
  for (const auto &l : lines)
    count += l.color == color ? 1 : 0;
  return count;
}

RecordingDevice::RecordingDevice(int w, int h, int dpi)
    : m_w(w), m_h(h), m_dpi(dpi), m_engine(std::make_unique<RecordingEngine>(m_recording)) {}

RecordingDevice::~RecordingDevice() = default;

QPaintEngine *RecordingDevice::paintEngine() const {
  return m_engine.get();
}

int RecordingDevice::metric(PaintDeviceMetric metric) const {
  switch (metric) {
  case PdmWidth:
    return m_w;
  case PdmHeight:
    return m_h;
  case PdmWidthMM:
    return m_w * 254 / 6000;
  case PdmHeightMM:
    return m_h * 254 / 6000;
  case PdmDpiX:
  case PdmDpiY:
  case PdmPhysicalDpiX:
  case PdmPhysicalDpiY:
    return m_dpi;
  case PdmDepth:
    return 32;
  case PdmNumColors:
    return 0x7fffffff;
  case PdmDevicePixelRatio:
    return 1;
  case PdmDevicePixelRatioScaled:
    return static_cast<int>(devicePixelRatioFScale());
  }
  return 0;
}
