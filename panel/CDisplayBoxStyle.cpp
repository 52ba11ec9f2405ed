#include "panel/CDisplayBoxStyle.h"

#include <algorithm>
#include <cmath>

#include <QPaintDevice>
#include <QPainter>
#include <QStyleOption>
#include <QWidget>

namespace {

// A handful of boxes, each in a few states (focus, disabled, palettes).
constexpr size_t kKeptPanels = 8;

// The one opaque colour a widget fills its background with before it paints, else invalid.
QColor PlainBackground(const QWidget &widget) {
  if (!widget.autoFillBackground())
    return {};
  const QBrush &brush = widget.palette().brush(widget.backgroundRole());
  if (brush.style() != Qt::SolidPattern || !brush.isOpaque())
    return {};
  return brush.color();
}

// The painter's whole-pixel offset, if that is all its transform does.
bool WholePixelShift(const QPainter &painter) {
  const QTransform &t = painter.worldTransform();
  return t.type() <= QTransform::TxTranslate && t.dx() == std::floor(t.dx()) &&
         t.dy() == std::floor(t.dy());
}

} // namespace

int CDisplayBoxStyle::pixelMetric(PixelMetric metric, const QStyleOption *option,
                                  const QWidget *widget) const {
  if (metric == PM_TextCursorWidth)
    return 0;
  return QProxyStyle::pixelMetric(metric, option, widget);
}

void CDisplayBoxStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                                     QPainter *painter, const QWidget *widget) const {
  const QColor under = widget ? PlainBackground(*widget) : QColor();
  const qreal ratio = painter && painter->device() ? painter->device()->devicePixelRatio() : 0;
  if (element != PE_PanelLineEdit || !option || !under.isValid() || ratio != std::floor(ratio) ||
      ratio < 1 || !WholePixelShift(*painter)) {
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    return;
  }
  painter->drawImage(option->rect.topLeft(),
                     PanelPicture(*option, under.rgba(), static_cast<int>(ratio), widget));
}

const QImage &CDisplayBoxStyle::PanelPicture(const QStyleOption &option, QRgb under, int ratio,
                                             const QWidget *widget) const {
  const QSize size = option.rect.size();
  const auto state = static_cast<int>(option.state);
  const auto direction = static_cast<int>(option.direction);
  const qint64 palette = option.palette.cacheKey();
  const auto kept = std::find_if(m_panels.begin(), m_panels.end(), [&](const Panel &p) {
    return p.size == size && p.ratio == ratio && p.state == state && p.direction == direction &&
           p.palette == palette && p.under == under;
  });
  if (kept != m_panels.end())
    return kept->picture;
  // Drawn over the colour the box lies on, so every pixel blends exactly as on the box itself.
  QImage picture(size * ratio, QImage::Format_ARGB32_Premultiplied);
  picture.setDevicePixelRatio(ratio);
  picture.fill(under);
  {
    QPainter painter(&picture);
    painter.translate(-option.rect.topLeft());
    QProxyStyle::drawPrimitive(PE_PanelLineEdit, &option, &painter, widget);
  }
  if (m_panels.size() == kKeptPanels)
    m_panels.erase(m_panels.begin());
  m_panels.push_back({size, ratio, state, direction, palette, under, picture});
  return m_panels.back().picture;
}
