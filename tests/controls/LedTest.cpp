#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>

#include "controls/CLED.h"
#include "controls/CLampWidget.h"

namespace {
QColor Centre(QWidget &lamp) {
  const QImage image = lamp.grab().toImage();
  return image.pixelColor(image.width() / 2, image.height() / 2);
}
} // namespace

TEST(Led, SetOnSwitchesItsLampOnly) {
  QWidget panel;
  CLampWidget lamp(&panel);
  lamp.resize(16, 14);
  CLED led;
  led.Attach(&lamp);
  led.SetOn(true);
  const QColor lit = Centre(lamp);
  led.SetOn(false);
  const QColor dark = Centre(lamp);
  EXPECT_GT(lit.red(), 200);
  EXPECT_LT(dark.red(), 150);
  // An LED made in place gets a lamp of its own; one on another kind of widget, or on none, has
  // no lamp and switches nothing.
  CLED own;
  own.Create(&panel, QRect(2, 3, 16, 14));
  EXPECT_EQ(own.GetLamp()->geometry(), QRect(2, 3, 16, 14));
  QLabel label;
  CLED foreign;
  foreign.Attach(&label);
  foreign.SetOn(true);
  EXPECT_EQ(foreign.GetLamp(), nullptr);
}
