#pragma once
#include <QProxyStyle>

// The actual-voltage boxes are displays: they may take the focus (so their text can be
// selected and read) but never show a caret.
class CNoCaretStyle : public QProxyStyle {
public:
  int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                  const QWidget *widget = nullptr) const override;
};
