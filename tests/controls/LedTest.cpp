#include <gtest/gtest.h>

#include <QImage>

#include "controls/CLED.h"
#include "controls/CLampWidget.h"

namespace {
QColor Centre(QWidget &lamp) {
  const QImage image = lamp.grab().toImage();
  return image.pixelColor(image.width() / 2, image.height() / 2);
}
} // namespace

TEST(Led, SetOnLightsAndDarkensItsLamp) {
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
}
