#include "app/CAboutDlg.h"

#include <QLabel>
#include <QPushButton>

#include "platform/CDialogBuilder.h"
#include "resources/AccessibleTexts.h"
#include "resources/ControlIds.h"
#include "resources/DialogTemplates.h"
#include "resources/FrameResources.h"

CAboutDlg::CAboutDlg(QWidget *parent) : QDialog(parent) {
  const auto &tmpl = res::AboutTemplate();
  setWindowTitle(QString::fromUtf8(tmpl.caption));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint);
  platform::CDialogBuilder::Build(this, tmpl);
  res::access::NameControls(this, res::access::kAboutNames);
  setFixedSize(size());
  if (auto *icon = platform::DlgItem<QLabel>(this, ctl::kAboutIcon))
    icon->setPixmap(res::AppIcon().pixmap(32, 32));
  if (auto *ok = platform::DlgItem<QPushButton>(this, ctl::kAboutOk))
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}
