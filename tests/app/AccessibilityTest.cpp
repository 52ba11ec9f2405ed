#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QTest>

#include "tests/app/AppFixture.h"

namespace {

QString Accessible(QWidget *widget, QAccessible::Text text) {
  QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
  return face ? face->text(text) : QString();
}

class Accessibility : public testhelp::AppFixture {
protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(AppFixture::SetUp());
    m_view->OnToggleCompact(); // the step area shown, so nothing is skipped as hidden
  }
  QString Description(int id) const { return Accessible(Item(id), QAccessible::Description); }
};

// Something a screen-reader user reaches or must hear about needs a name: what takes the focus,
// every button, every picture, and every control the program draws itself.
TEST_F(Accessibility, EveryControlOfEveryWindowHasAName) {
  int walked = 0;
  for (QWidget *root : Windows(m_frame))
    for (QWidget *widget : root->findChildren<QWidget *>()) {
      const auto *label = qobject_cast<const QLabel *>(widget);
      const bool ours = widget->metaObject()->className()[0] == 'C';
      if (widget->isHidden() ||
          !((widget->focusPolicy() & Qt::TabFocus) || qobject_cast<QAbstractButton *>(widget) ||
            (label && !label->pixmap().isNull()) || ours))
        continue;
      ++walked;
      EXPECT_FALSE(Accessible(widget, QAccessible::Name).trimmed().isEmpty())
          << root->metaObject()->className() << " / " << widget->metaObject()->className() << " id "
          << platform::GetDlgCtrlID(widget) << " " << widget->objectName().toStdString();
    }
  EXPECT_GT(walked, 60); // the walk did reach the controls
}

TEST_F(Accessibility, DescriptionsFollowTheState) {
  EXPECT_EQ(Description(ctl::kCh3Led), QStringLiteral("off"));
  EXPECT_EQ(Description(ctl::kToggleArea), QStringLiteral("expanded"));
  m_view->OnDeviceWatchResult(true);
  EXPECT_EQ(Description(ctl::kConnectionIcon), QStringLiteral("connected"));
  Click(ctl::kCh3Switch);
  EXPECT_EQ(Description(ctl::kCh3Led), QStringLiteral("on"));
  EXPECT_EQ(Description(ctl::kCh3Switch), QStringLiteral("on"));

  Click(ctl::kCh2Switch);
  platform::SetDlgItemText(m_view, ctl::kCh2Set, QStringLiteral("7.25"));
  Click(ctl::kCh2Ok);
  m_view->OnTimer(1);
  EXPECT_EQ(Description(ctl::kTrendPlot), QStringLiteral("CH1 0.000 V, CH2 7.250 V"));
  Click(ctl::kCh2Switch);
  EXPECT_EQ(Description(ctl::kCh2Switch), QStringLiteral("off"));
  m_view->OnDeviceWatchResult(false);
  EXPECT_EQ(Description(ctl::kConnectionIcon), QStringLiteral("not connected"));
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
