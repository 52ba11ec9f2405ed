#pragma once
#include <functional>

#include <QString>

#include "platform/CDialogUnits.h"
#include "platform/DialogTemplate.h"

class QWidget;

namespace platform {

// Creates the Qt child widgets of a dialog template at their pixel places and finds them again
// by id. A factory may supply a custom widget for an id (a voltage edit, a knob, a chart);
// returning nullptr leaves the default widget of the control's kind.
class CDialogBuilder {
public:
  using Factory = std::function<QWidget *(const ControlTemplate &, QWidget *parent)>;

  // Builds every control of tmpl into parent and sizes parent to the template. Returns the
  // dialog units used.
  static CDialogUnits Build(QWidget *parent, const DialogTemplate &tmpl,
                            const Factory &factory = {});

  // The default widget for a control kind, with caption, styles and initial items applied.
  static QWidget *CreateDefault(const ControlTemplate &control, QWidget *parent);

  // Applies the template's caption, styles and items to a widget made by a factory.
  static void ApplyTemplate(QWidget *widget, const ControlTemplate &control);
};

// The child with the given control id, or nullptr.
QWidget *GetDlgItem(const QWidget *parent, int id);
template <class T> T *DlgItem(const QWidget *parent, int id) {
  return qobject_cast<T *>(GetDlgItem(parent, id));
}
int GetDlgCtrlID(const QWidget *widget);

// Window text as the platform's controls keep it: a button's or label's caption, an edit's text,
// a drop-down list's selected item. Setting an edit's text puts the caret at the start.
QString GetWindowText(const QWidget *widget);
void SetWindowText(QWidget *widget, const QString &text);
QString GetDlgItemText(const QWidget *parent, int id);
void SetDlgItemText(QWidget *parent, int id, const QString &text);

} // namespace platform
