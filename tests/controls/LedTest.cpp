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
  EXPECT_FALSE(lamp.IsLit());
  led.SetOn(true);
  EXPECT_TRUE(lamp.IsLit());
  const QColor lit = Centre(lamp);
  led.SetOn(false);
  EXPECT_FALSE(lamp.IsLit());
  const QColor dark = Centre(lamp);
  EXPECT_GT(lit.red(), 200);
  EXPECT_LT(dark.red(), 150);
  EXPECT_GT(lit.lightness(), dark.lightness());
  // An LED made in place gets a lamp of its own; one on another kind of widget, or on none, has
  // no lamp and switches nothing.
  CLED own;
  own.Create(&panel, QRect(2, 3, 16, 14));
  own.SetOn(true);
  EXPECT_TRUE(own.GetLamp()->IsLit());
  EXPECT_EQ(own.GetLamp()->geometry(), QRect(2, 3, 16, 14));
  QLabel label;
  CLED foreign;
  foreign.Attach(&label);
  foreign.SetOn(true);
  EXPECT_EQ(foreign.GetLamp(), nullptr);
}
