#include "panel/ControlFace.h"

#include <QImage>
#include <QPainter>
#include <QWidget>

namespace panel {
namespace {

// What the parent and the siblings below `control` paint over its rectangle.
QImage Beneath(QWidget *control) {
  QWidget *parent = control->parentWidget();
  const QRect area = control->geometry();
  QImage image(area.size(), QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  parent->render(&image, QPoint(), QRegion(area), QWidget::DrawWindowBackground);
  for (QObject *child : parent->children()) { // bottom of the stack first
    if (child == control)
      break;
    auto *sibling = qobject_cast<QWidget *>(child);
    if (!sibling || sibling->isHidden() || !sibling->geometry().intersects(area))
      continue;
    // A region's top-left corner lands on the offset.
    const QRect part = area.intersected(sibling->geometry());
    sibling->render(&image, part.topLeft() - area.topLeft(),
                    QRegion(part.translated(-sibling->geometry().topLeft())),
                    QWidget::DrawChildren);
  }
  return image;
}

// The one opaque colour of `image`, or an invalid colour.
QColor OneColour(const QImage &image) {
  if (image.isNull())
    return {};
  const QRgb first = image.pixel(0, 0);
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) != first)
        return {};
  return qAlpha(first) == 255 ? QColor::fromRgba(first) : QColor();
}

} // namespace

void FillWithFaceBeneath(QWidget *control) {
  if (!control || !control->parentWidget())
    return;
  control->setAutoFillBackground(false);
  const QColor face = OneColour(Beneath(control));
  if (!face.isValid())
    return;
  const QPalette::ColorRole text = control->foregroundRole();
  QPalette palette = control->palette();
  palette.setColor(QPalette::Window, face);
  control->setPalette(palette);
  control->setBackgroundRole(QPalette::Window);
  control->setForegroundRole(text);
  control->setAutoFillBackground(true);
}

} // namespace panel
