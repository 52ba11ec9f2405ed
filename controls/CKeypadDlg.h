#pragma once
#include <QDialog>
#include <QString>

#include "platform/DialogTemplate.h"

class CVoltEdit;

// The keypad both channels share: digit, point and Clear keys compose a voltage text in a
// read-only result box; SET writes it into the set-point box it was given and closes. Escape and
// the close box cancel without touching the owner.
class CKeypadDlg : public QDialog {
  Q_OBJECT
public:
  const QString &Result() const { return m_strResult; }

protected:
  // owner: the control panel; target: the panel's set-point box that SET writes.
  CKeypadDlg(QWidget *owner, const platform::DialogTemplate &tmpl, QWidget *target);
  // A key of the computer keyboard presses its button (KeypadKeyControl) as a click would.
  void keyPressEvent(QKeyEvent *e) override;

private:
  void OnDigitKey(char16_t digit);
  void OnPointKey();
  void OnClearKey();
  void OnSetKey();
  // true: the box's text into m_strResult; false: m_strResult into the box.
  void UpdateData(bool saveAndValidate);

  QWidget *m_pTarget;
  CVoltEdit *m_editResult = nullptr;
  QString m_strResult;
  int m_nMaxLen = 4;
  int m_nPointPos = 1;
};
