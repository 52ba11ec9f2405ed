#pragma once
#include <vector>

#include <QImage>
#include <QProxyStyle>

// The actual-voltage boxes are displays: they may take the focus (so their text can be
// selected and read) but never show a caret. Their text changes with every voltage sent, and
// the style's frame (antialiased rounded rectangles) cost most of each repaint: where a box
// fills its own background with one colour, the frame is drawn once over that colour and kept,
// and each repaint copies it, the same pixels.
class CDisplayBoxStyle : public QProxyStyle {
public:
  int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                  const QWidget *widget = nullptr) const override;
  void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;

private:
  // What a kept frame was drawn for: any change draws it again.
  struct Panel {
    QSize size;
    int ratio = 0;
    int state = 0;
    int direction = 0;
    qint64 palette = 0;
    QRgb under = 0;
    QImage picture;
  };
  const QImage &PanelPicture(const QStyleOption &option, QRgb under, int ratio,
                             const QWidget *widget) const;

  mutable std::vector<Panel> m_panels;
};
