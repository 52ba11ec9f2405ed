#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QStyleOption>

#include "platform/CaptionFit.h"
#include "tests/app/AppFixture.h"

namespace {

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

using CaptionFit = testhelp::AppFixture;

TEST_F(CaptionFit, EveryCaptionAndTitleFitsItsBox) {
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
