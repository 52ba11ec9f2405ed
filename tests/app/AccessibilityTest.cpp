#include <QAbstractButton>
#include <QAccessible>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QStyleOption>

#include "platform/CaptionFit.h"
#include "tests/app/AppFixture.h"

namespace {

QString Accessible(QWidget *widget, QAccessible::Text text) {
  QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
  return face ? face->text(text) : QString();
}

// The caption and the width the widget's style gives it; an empty caption is not checked.
struct Caption {
  QString text;
  int room = 0;
};

Caption CaptionOf(const QWidget *widget) {
  if (const auto *label = qobject_cast<const QLabel *>(widget))
    return {label->pixmap().isNull() ? label->text() : QString(), label->contentsRect().width()};
  if (const auto *group = qobject_cast<const QGroupBox *>(widget))
    return {group->title(), group->width() - 16};
  const auto *button = qobject_cast<const QAbstractButton *>(widget);
  if (!button || button->text().isEmpty())
    return {};
  QStyleOptionButton option;
  option.initFrom(button);
  option.text = button->text();
  const QStyle::SubElement contents =
      qobject_cast<const QCheckBox *>(button)      ? QStyle::SE_CheckBoxContents
      : qobject_cast<const QRadioButton *>(button) ? QStyle::SE_RadioButtonContents
                                                   : QStyle::SE_PushButtonContents;
  return {button->text(), button->style()->subElementRect(contents, &option, button).width()};
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
  m_view->OnDeviceWatchResult(false);
  EXPECT_EQ(Description(ctl::kConnectionIcon), QStringLiteral("not connected"));
}

TEST_F(Accessibility, EveryCaptionAndTitleFitsItsBox) {
  int checked = 0;
  for (QWidget *root : Windows(m_view)) {
    if (root->isWindow()) { // the dialogs' titles
      EXPECT_GE(root->width(), platform::TitleWidth(root->windowTitle()))
          << root->windowTitle().toStdString();
    }
    for (QWidget *widget : root->findChildren<QWidget *>()) {
      const Caption caption = CaptionOf(widget);
      if (caption.text.isEmpty())
        continue;
      ++checked;
      EXPECT_LE(widget->fontMetrics().horizontalAdvance(caption.text), caption.room)
          << root->windowTitle().toStdString() << " id " << platform::GetDlgCtrlID(widget) << " \""
          << caption.text.toStdString() << "\"";
    }
  }
  EXPECT_GT(checked, 60);
}

} // namespace
