#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

#include "platform/CMessageBox.h"
#include "tests/support/MessageCapture.h"

namespace {

TEST(MessageBox, CaptureReceivesTextsAndRestoresThePreviousHook) {
  MessageCapture outer;
  {
    MessageCapture inner;
    platform::ShowMessage(QStringLiteral("Sending Error!"));
    EXPECT_EQ(inner.Texts(), QStringList{QStringLiteral("Sending Error!")});
  }
  platform::ShowMessage(QStringLiteral("Please open channel!"));
  EXPECT_EQ(outer.Texts(), QStringList{QStringLiteral("Please open channel!")});
}

TEST(MessageBox, RealBoxHasTheProgramTitleOneOkButtonAndNoIcon) {
  QString title, text;
  int buttons = -1;
  QMessageBox::Icon icon = QMessageBox::Warning;
  QTimer::singleShot(0, [&] {
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    title = box->windowTitle();
    text = box->text();
    buttons = static_cast<int>(box->buttons().size());
    icon = box->icon();
    box->button(QMessageBox::Ok)->click();
  });
  platform::ShowMessage(QStringLiteral("Reading document error!"));
  EXPECT_EQ(title, QStringLiteral("KTX2300M"));
  EXPECT_EQ(text, QStringLiteral("Reading document error!"));
  EXPECT_EQ(buttons, 1);
  EXPECT_EQ(icon, QMessageBox::NoIcon);
}

} // namespace
