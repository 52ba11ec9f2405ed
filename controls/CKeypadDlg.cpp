#include "controls/CKeypadDlg.h"

#include <QKeyEvent>
#include <QPushButton>

#include "controls/CVoltEdit.h"
#include "controls/KeypadKeys.h"
#include "controls/KeypadRules.h"
#include "platform/CDialogBuilder.h"
#include "resources/AccessibleTexts.h"
#include "resources/ControlIds.h"

namespace {
constexpr int kFirstDigitKey = ctl::kKey1; // "1" ... "9" are consecutive ids
constexpr int kZeroKey = ctl::kKey0;
constexpr int kPointKey = ctl::kKeyPoint;
constexpr int kClearKey = ctl::kKeyClear;
constexpr int kSetKey = ctl::kKeySet;
constexpr int kResultBox = ctl::kKeyResult;
} // namespace

CKeypadDlg::CKeypadDlg(QWidget *owner, const platform::DialogTemplate &tmpl, QWidget *target)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint),
      m_pTarget(target) {
  setWindowTitle(QString::fromUtf8(tmpl.caption));
  platform::CDialogBuilder::Build(
      this, tmpl, [](const platform::ControlTemplate &control, QWidget *parent) -> QWidget * {
        return control.id == kResultBox ? new CVoltEdit(parent) : nullptr;
      });
  res::access::NameControls(this, res::access::kKeypadNames);
  m_editResult = platform::DlgItem<CVoltEdit>(this, kResultBox);
  // A read-only line edit draws no caret, which is what the result box must look like.
  m_editResult->setReadOnly(true);

  const auto connectKey = [this](int id, auto handler) {
    if (auto *button = platform::DlgItem<QPushButton>(this, id))
      connect(button, &QPushButton::clicked, this, handler);
  };
  for (int i = 0; i < 9; ++i) {
    const auto digit = static_cast<char16_t>(u'1' + i);
    connectKey(kFirstDigitKey + i, [this, digit] { OnDigitKey(digit); });
  }
  connectKey(kZeroKey, [this] { OnDigitKey(u'0'); });
  connectKey(kPointKey, [this] { OnPointKey(); });
  connectKey(kClearKey, [this] { OnClearKey(); });
  connectKey(kSetKey, [this] { OnSetKey(); });
  UpdateData(false);
}

void CKeypadDlg::keyPressEvent(QKeyEvent *e) {
  // Keys the focused control leaves alone come here; the read-only result box keeps its own.
  const bool plain = !(e->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier));
  const int id = plain ? controls::KeypadKeyControl(e->key(), e->text()) : 0;
  if (auto *button = id ? platform::DlgItem<QPushButton>(this, id) : nullptr) {
    e->accept();
    button->click();
    return;
  }
  QDialog::keyPressEvent(e);
}

void CKeypadDlg::UpdateData(bool saveAndValidate) {
  if (saveAndValidate)
    m_strResult = platform::GetWindowText(m_editResult);
  else
    platform::SetWindowText(m_editResult, m_strResult);
}

void CKeypadDlg::OnDigitKey(char16_t digit) {
  const QString next = controls::KeypadDigit(m_strResult, digit, m_nMaxLen, m_nPointPos);
  if (next == m_strResult)
    return; // a refused key changes nothing, not even the box
  m_strResult = next;
  UpdateData(false);
}

void CKeypadDlg::OnPointKey() {
  const QString next = controls::KeypadPoint(m_strResult, m_nMaxLen);
  if (next == m_strResult)
    return;
  m_strResult = next;
  UpdateData(false);
}

void CKeypadDlg::OnClearKey() {
  platform::SetWindowText(m_editResult, QString());
  UpdateData(true);
}

void CKeypadDlg::OnSetKey() {
  // The text goes over unchecked, even empty or ending in the point: the panel's OK checks it.
  platform::SetWindowText(m_pTarget, m_strResult);
  UpdateData(true);
  accept();
}
