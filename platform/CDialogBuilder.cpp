#include "platform/CDialogBuilder.h"

#include <algorithm>

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

#include "platform/CaptionFit.h"

namespace platform {
namespace {

const char *const kIdProperty = "ktxControlId";

QString ObjectNameFor(int id) {
  return QStringLiteral("ctl%1").arg(id);
}

void ApplyCaption(QWidget *widget, const ControlTemplate &control) {
  const QString caption = QString::fromUtf8(control.caption);
  if (auto *label = qobject_cast<QLabel *>(widget)) {
    label->setText(caption);
    label->setAlignment((control.styles & kCentered) ? Qt::AlignHCenter | Qt::AlignTop
                                                     : Qt::AlignLeft | Qt::AlignTop);
    if (control.styles & kBorder)
      label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
    button->setText(caption);
  } else if (auto *group = qobject_cast<QGroupBox *>(widget)) {
    group->setTitle(caption);
  }
}

void ApplyItems(QWidget *widget, const ControlTemplate &control) {
  auto *combo = qobject_cast<QComboBox *>(widget);
  if (!combo)
    return;
  for (const char *item : control.items)
    combo->addItem(QString::fromUtf8(item));
  combo->setCurrentIndex(-1);
}

} // namespace

QWidget *CDialogBuilder::CreateDefault(const ControlTemplate &control, QWidget *parent) {
  QWidget *widget = nullptr;
  switch (control.kind) {
  case ControlKind::GroupBox:
    widget = new QGroupBox(parent);
    break;
  case ControlKind::Static:
  case ControlKind::StaticIcon:
    widget = new QLabel(parent);
    break;
  case ControlKind::PushButton:
  case ControlKind::OwnerDrawButton:
    widget = new QPushButton(parent);
    static_cast<QPushButton *>(widget)->setAutoDefault(false);
    break;
  case ControlKind::DefPushButton:
    widget = new QPushButton(parent);
    static_cast<QPushButton *>(widget)->setDefault(true);
    break;
  case ControlKind::RadioButton:
    widget = new QRadioButton(parent);
    break;
  case ControlKind::CheckBox:
    widget = new QCheckBox(parent);
    break;
  case ControlKind::Edit:
    widget = new QLineEdit(parent);
    break;
  case ControlKind::DropList:
    widget = new QComboBox(parent);
    break;
  case ControlKind::ListView:
    widget = new QTableWidget(parent);
    break;
  case ControlKind::StaticCustom:
  case ControlKind::Led:
    widget = new QWidget(parent);
    break;
  }
  ApplyTemplate(widget, control);
  return widget;
}

void CDialogBuilder::ApplyTemplate(QWidget *widget, const ControlTemplate &control) {
  widget->setObjectName(ObjectNameFor(control.id));
  widget->setProperty(kIdProperty, control.id);
  ApplyCaption(widget, control);
  ApplyItems(widget, control);
  if (auto *edit = qobject_cast<QLineEdit *>(widget))
    edit->setReadOnly((control.styles & kReadOnly) != 0);
}

CDialogUnits CDialogBuilder::Build(QWidget *parent, const DialogTemplate &tmpl,
                                   const Factory &factory) {
  const QFont font = CDialogUnits::TemplateFont(tmpl.fontFace, tmpl.fontPoints);
  parent->setFont(font);
  const CDialogUnits units(font);
  // Radio buttons form a group from a group-start button up to the next one, as in a template;
  // Qt would otherwise make every radio button of the parent exclusive with every other.
  QButtonGroup *group = nullptr;
  for (const ControlTemplate &control : tmpl.controls) {
    QWidget *widget = factory ? factory(control, parent) : nullptr;
    if (widget)
      ApplyTemplate(widget, control);
    else
      widget = CreateDefault(control, parent);
    QRect place = units.ToPixels(control.x, control.y, control.cx, control.cy);
    if (auto *combo = qobject_cast<QComboBox *>(widget)) {
      // A drop-down list's template height is that of its opened list; the box itself keeps
      // the height of one line.
      const int boxHeight = std::min(combo->sizeHint().height(), place.height());
      const int lineHeight = combo->fontMetrics().height() + 2;
      combo->setMaxVisibleItems(std::max(1, (place.height() - boxHeight) / lineHeight));
      place.setHeight(boxHeight);
    }
    widget->setGeometry(place);
    FitCaption(widget);
    if (auto *radio = qobject_cast<QRadioButton *>(widget)) {
      if (!group || (control.styles & kGroupStart))
        group = new QButtonGroup(parent);
      radio->setAutoExclusive(false);
      group->addButton(radio, control.id);
    }
    widget->show();
  }
  // A dialog is widened, never narrowed, so that its caption bar shows the whole title.
  const QString title = QString::fromUtf8(tmpl.caption);
  const int width = units.ToPixelsX(tmpl.cx);
  parent->resize(title.isEmpty() ? width : std::max(width, TitleWidth(title)),
                 units.ToPixelsY(tmpl.cy));
  return units;
}

QWidget *GetDlgItem(const QWidget *parent, int id) {
  if (!parent)
    return nullptr;
  return parent->findChild<QWidget *>(ObjectNameFor(id));
}

int GetDlgCtrlID(const QWidget *widget) {
  return widget ? widget->property(kIdProperty).toInt() : 0;
}

QString GetWindowText(const QWidget *widget) {
  if (auto *edit = qobject_cast<const QLineEdit *>(widget))
    return edit->text();
  if (auto *button = qobject_cast<const QAbstractButton *>(widget))
    return button->text();
  if (auto *label = qobject_cast<const QLabel *>(widget))
    return label->text();
  if (auto *combo = qobject_cast<const QComboBox *>(widget))
    return combo->currentIndex() >= 0 ? combo->currentText() : QString();
  if (auto *group = qobject_cast<const QGroupBox *>(widget))
    return group->title();
  return widget ? widget->windowTitle() : QString();
}

void SetWindowText(QWidget *widget, const QString &text) {
  if (auto *edit = qobject_cast<QLineEdit *>(widget)) {
    edit->setText(text);
    edit->setCursorPosition(0); // the platform's edit puts the caret at the start
  } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
    button->setText(text);
  } else if (auto *label = qobject_cast<QLabel *>(widget)) {
    label->setText(text);
  } else if (auto *group = qobject_cast<QGroupBox *>(widget)) {
    group->setTitle(text);
  } else if (widget) {
    widget->setWindowTitle(text);
  }
}

QString GetDlgItemText(const QWidget *parent, int id) {
  return GetWindowText(GetDlgItem(parent, id));
}

void SetDlgItemText(QWidget *parent, int id, const QString &text) {
  SetWindowText(GetDlgItem(parent, id), text);
}

} // namespace platform
