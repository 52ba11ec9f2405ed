#pragma once
#include <QDialog>

// The About box, template 100.
class CAboutDlg : public QDialog {
  Q_OBJECT
public:
  explicit CAboutDlg(QWidget *parent = nullptr);
};
