#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

#include "platform/CMessageBox.h"

namespace {

// Title, text, number of buttons and icon (0: none).
TEST(MessageBox, RealBoxHasTheProgramTitleOneOkButtonAndNoIcon) {
  QStringList seen;
  QTimer::singleShot(0, [&] {
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    seen << box->windowTitle() << box->text() << QString::number(box->buttons().size())
         << QString::number(box->icon());
    box->button(QMessageBox::Ok)->click();
  });
  platform::ShowMessage(QStringLiteral("Reading document error!"));
  EXPECT_EQ(seen,
            (QStringList{QStringLiteral("KTX2300M"), QStringLiteral("Reading document error!"),
                         QStringLiteral("1"), QStringLiteral("0")}));
}

} // namespace
