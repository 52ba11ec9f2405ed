// The actual-voltage boxes draw their frame from a kept picture where they fill their own
// background: each state the box passes through must look exactly as when the frame is drawn
// onto what lies under the box, and a state the picture was not drawn for must not reuse it.
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include "panel/CDisplayBoxStyle.h"

TEST(DisplayBoxStyle, KeptFrameLooksAsTheFrameDrawnOverTheFace) {
  CDisplayBoxStyle style;
  QWidget face;
  QPalette palette = face.palette();
  palette.setColor(QPalette::Window, QColor(212, 208, 200));
  face.setPalette(palette);
  face.setAutoFillBackground(true);
  face.resize(160, 60);
  auto *box = new QLineEdit(QStringLiteral("5.000"), &face);
  box->setStyle(&style);
  box->setReadOnly(true);
  box->setGeometry(10, 10, 90, 22);
  face.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&face));

  const struct {
    const char *what;
    bool enabled;
    QColor base;
    QSize size;
    const char *text;
  } steps[] = {
      {"as started", true, Qt::white, {90, 22}, "5.000"},
      {"disabled", false, Qt::white, {90, 22}, "5.000"},
      {"enabled again, new text", true, Qt::white, {90, 22}, "12.345"},
      {"another base colour", true, QColor(250, 240, 200), {90, 22}, "12.345"},
      {"another size", true, QColor(250, 240, 200), {120, 30}, "0.000"},
  };
  for (const auto &s : steps) {
    box->setEnabled(s.enabled);
    QPalette boxPalette = box->palette();
    boxPalette.setColor(QPalette::Base, s.base);
    boxPalette.setColor(QPalette::Window, palette.color(QPalette::Window));
    box->setPalette(boxPalette);
    box->setBackgroundRole(QPalette::Window);
    box->resize(s.size);
    box->setText(QString::fromLatin1(s.text));
    box->setAutoFillBackground(true);
    const QImage kept = face.grab().toImage();
    box->setAutoFillBackground(false); // drawn straight over the face beneath
    EXPECT_EQ(kept, face.grab().toImage()) << s.what;
  }
}
