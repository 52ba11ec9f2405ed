#include "controls/CVoltSetDlg.h"

#include <QPushButton>

#include "controls/CVoltEdit.h"
#include "platform/CDialogBuilder.h"
#include "resources/AccessibleTexts.h"
#include "resources/ControlIds.h"

namespace {
constexpr int kOkButton = ctl::kVoltSetOk;
}

CVoltSetDlg::CVoltSetDlg(QWidget *owner, const platform::DialogTemplate &tmpl, const Ids &ids,
                         QWidget *target, bool channelOn)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint),
      m_pTarget(target), m_bChannelOn(channelOn) {
  setWindowTitle(QString::fromUtf8(tmpl.caption));
  const int voltBox = ids.voltBox;
  platform::CDialogBuilder::Build(
      this, tmpl,
      [voltBox](const platform::ControlTemplate &control, QWidget *parent) -> QWidget * {
        return control.id == voltBox ? new CVoltEdit(parent) : nullptr;
      });
  res::access::NameControls(this, res::access::kVoltSetNames);
  m_editVolt = platform::DlgItem<CVoltEdit>(this, ids.voltBox);
  if (auto *ok = platform::DlgItem<QPushButton>(this, kOkButton))
    connect(ok, &QPushButton::clicked, this, &CVoltSetDlg::OnVoltOk);
  // CH2's "Cancel" carries id 4 rather than the platform's cancel id; it cancels all the same.
  if (auto *cancel = platform::DlgItem<QPushButton>(this, ids.cancel))
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void CVoltSetDlg::showEvent(QShowEvent *e) {
  // The read-only decision is taken once per run, when the dialog first shows.
  if (!m_bInitDone) {
    m_bInitDone = true;
    OnInitDialog();
  }
  QDialog::showEvent(e);
}

void CVoltSetDlg::OnInitDialog() {
  platform::SetWindowText(m_editVolt, m_strVolt);
  m_editVolt->setReadOnly(!m_bChannelOn);
}

void CVoltSetDlg::OnVoltOk() {
  m_strVolt = platform::GetWindowText(m_editVolt);
  // Handed over unchanged, even empty; the panel's own OK checks and sends it.
  platform::SetWindowText(m_pTarget, m_strVolt);
  accept();
}
