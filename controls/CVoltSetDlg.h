#pragma once
#include <QDialog>
#include <QString>

#include "platform/DialogTemplate.h"

class CVoltEdit;

// The volt-set dialog both channels share: one voltage box, typeable only while the owner's
// channel button reads "ON"; OK copies the text into the owner's set-point box and closes.
class CVoltSetDlg : public QDialog {
  Q_OBJECT
public:
  CVoltEdit *VoltEdit() const { return m_editVolt; }
  const QString &Volt() const { return m_strVolt; }

protected:
  struct Ids {
    int voltBox;   // 1123 / 1124
    int cancel;    // the template's "Cancel" button
    int switchBtn; // the owner's on/off button, 1053 / 1054
    int target;    // the owner's set-point box, 1001 / 1008
  };
  CVoltSetDlg(QWidget *owner, const platform::DialogTemplate &tmpl, const Ids &ids);

  void showEvent(QShowEvent *e) override;

private:
  void OnInitDialog();
  void OnVoltOk();

  QWidget *m_pOwner;
  Ids m_ids;
  CVoltEdit *m_editVolt = nullptr;
  QString m_strVolt;
  bool m_bInitDone = false;
};
