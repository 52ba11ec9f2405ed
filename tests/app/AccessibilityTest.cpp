#include <QAbstractButton>
#include <QAccessible>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "app/CKTX2300MApp.h"
#include "app/CMainFrame.h"
#include "panel/CKTX2300MDlgView.h"
#include "platform/CDialogBuilder.h"
#include "resources/ControlIds.h"
#include "tests/app/AllDialogs.h"
#include "tests/support/MessageCapture.h"
#include "tests/support/TestHelpers.h"

namespace {

QString Accessible(QWidget *widget, QAccessible::Text text) {
  QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
  return face ? face->text(text) : QString();
}

// Something a screen-reader user reaches or must hear about: what takes the focus, every
// button, every picture, and every control the program draws itself.
bool NeedsName(const QWidget *widget) {
  const auto *label = qobject_cast<const QLabel *>(widget);
  const bool ours = widget->metaObject()->className()[0] == 'C';
  return (widget->focusPolicy() & Qt::TabFocus) || qobject_cast<const QAbstractButton *>(widget) ||
         (label && !label->pixmap().isNull()) || ours;
}

class Accessibility : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(m_app.InitInstance({}));
    m_view = m_app.View();
    m_view->OnToggleCompact(); // the step area shown, so nothing is skipped as hidden
  }
  QWidget *Item(int id) const { return platform::GetDlgItem(m_view, id); }
  QString Description(int id) const { return Accessible(Item(id), QAccessible::Description); }

  MessageCapture m_messages;
  CKTX2300MApp m_app;
  CKTX2300MDlgView *m_view = nullptr;
};

TEST_F(Accessibility, EveryControlOfEveryWindowHasAName) {
  auto dialogs = testhelp::AllDialogs(m_view, Item(ctl::kCh1Set));
  std::vector<QWidget *> roots{m_app.Frame()};
  for (const auto &dialog : dialogs)
    roots.push_back(dialog.get());
  int walked = 0;
  for (QWidget *root : roots)
    for (QWidget *widget : root->findChildren<QWidget *>()) {
      if (widget->isHidden() || !NeedsName(widget))
        continue;
      ++walked;
      EXPECT_FALSE(Accessible(widget, QAccessible::Name).trimmed().isEmpty())
          << root->metaObject()->className() << " / " << widget->metaObject()->className() << " id "
          << platform::GetDlgCtrlID(widget) << " " << widget->objectName().toStdString();
    }
  EXPECT_GT(walked, 60); // the walk did reach the controls
}

TEST_F(Accessibility, DescriptionsFollowTheState) {
  QTemporaryDir dir;
  const QString control = dir.filePath(QStringLiteral("control"));
  qputenv("PWRIO_SIM_CONTROL", QFile::encodeName(control));
  const auto watch = [this, &control](const char *attached) {
    ASSERT_TRUE(testhelp::WriteFile(control, attached));
    m_view->OnDeviceWatch();
    ASSERT_TRUE(m_view->WaitForDeviceWatch());
    QCoreApplication::processEvents();
  };
  EXPECT_EQ(Description(ctl::kCh3Led), QStringLiteral("off"));
  EXPECT_EQ(Description(ctl::kToggleArea), QStringLiteral("expanded"));
  watch("attached=1\n");
  EXPECT_EQ(Description(ctl::kConnectionIcon), QStringLiteral("connected"));
  watch("attached=0\n");
  EXPECT_EQ(Description(ctl::kConnectionIcon), QStringLiteral("not connected"));
  watch("attached=1\n");

  qobject_cast<QAbstractButton *>(Item(ctl::kCh3Switch))->click();
  EXPECT_EQ(Description(ctl::kCh3Led), QStringLiteral("on"));
  EXPECT_EQ(Description(ctl::kCh3Switch), QStringLiteral("on"));
  EXPECT_EQ(Description(ctl::kCh4Led), QStringLiteral("off"));

  qobject_cast<QAbstractButton *>(Item(ctl::kCh2Switch))->click();
  platform::SetDlgItemText(m_view, ctl::kCh2Set, QStringLiteral("7.25"));
  qobject_cast<QAbstractButton *>(Item(ctl::kCh2Ok))->click();
  m_view->OnTimer(1);
  EXPECT_EQ(Description(ctl::kTrendPlot), QStringLiteral("CH1 0.000 V, CH2 7.250 V"));
  qobject_cast<QAbstractButton *>(Item(ctl::kCh2Switch))->click();
  EXPECT_EQ(Description(ctl::kCh2Switch), QStringLiteral("off"));
  qunsetenv("PWRIO_SIM_CONTROL");
}

TEST_F(Accessibility, TheVoltRulerTellsItsWindowAfterADrag) {
  QWidget *ruler = Item(ctl::kVoltRuler);
  EXPECT_EQ(Description(ctl::kVoltRuler), QStringLiteral("0 V to 10 V"));
  const int division = (ruler->height() - 10) / 10;
  QTest::mousePress(ruler, Qt::LeftButton, {}, QPoint(5, 2));
  QTest::mouseMove(ruler, QPoint(5, 2 + division + 1));
  EXPECT_EQ(Description(ctl::kVoltRuler), QStringLiteral("1 V to 11 V"));
}

} // namespace
