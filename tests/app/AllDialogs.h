#pragma once
// Every window the program builds from a template, made once for tests that walk them all.
#include <memory>
#include <vector>

#include <QDialog>

#include "app/CAboutDlg.h"
#include "controls/CKeypadCh1Dlg.h"
#include "controls/CKeypadCh2Dlg.h"
#include "controls/CVoltSetCh1Dlg.h"
#include "controls/CVoltSetCh2Dlg.h"

namespace testhelp {

// The keypads, volt-set dialogs and About box, owned by `owner` (the panel) and writing into
// `target`; the caller adds the frame itself.
inline std::vector<std::unique_ptr<QDialog>> AllDialogs(QWidget *owner, QWidget *target) {
  std::vector<std::unique_ptr<QDialog>> dialogs;
  dialogs.push_back(std::make_unique<CKeypadCh1Dlg>(owner, target));
  dialogs.push_back(std::make_unique<CKeypadCh2Dlg>(owner, target));
  dialogs.push_back(std::make_unique<CVoltSetCh1Dlg>(owner, target, true));
  dialogs.push_back(std::make_unique<CVoltSetCh2Dlg>(owner, target, false));
  dialogs.push_back(std::make_unique<CAboutDlg>(owner));
  return dialogs;
}

} // namespace testhelp
