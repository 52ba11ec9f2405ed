#pragma once
#include <QDialog>
#include <QString>

#include "platform/DialogTemplate.h"

class CVoltEdit;

// The volt-set dialog both channels share: one voltage box, typeable only while its channel is
// on; OK copies the text into the channel's set-point box and closes.
class CVoltSetDlg : public QDialog {
  Q_OBJECT
public:
  CVoltEdit *VoltEdit() const { return m_editVolt; }
  const QString &Volt() const { return m_strVolt; }

protected:
  struct Ids {
    int voltBox; // the template's voltage box
    int cancel;  // the template's "Cancel" button
  };
  // target: the panel's set-point box; channelOn: whether the channel is switched on.
  CVoltSetDlg(QWidget *owner, const platform::DialogTemplate &tmpl, const Ids &ids, QWidget *target,
              bool channelOn);

  void showEvent(QShowEvent *e) override;

private:
  void OnInitDialog();
  void OnVoltOk();

  QWidget *m_pTarget;
  bool m_bChannelOn;
  CVoltEdit *m_editVolt = nullptr;
  QString m_strVolt;
  bool m_bInitDone = false;
};
