#pragma once
#include <functional>
#include <memory>

#include <QString>

#include "core/CChannelState.h"
#include "panel/IPanelDocument.h"

// The single document: no file content, only the display state of CH1 and CH2 that the panel
// switches and the knobs and the report read. It also answers Help > Contents.
class CHelpWindow;

class CKTX2300MDoc : public IPanelDocument {
public:
  CKTX2300MDoc();
  ~CKTX2300MDoc() override;
  CKTX2300MDoc(const CKTX2300MDoc &) = delete;
  CKTX2300MDoc &operator=(const CKTX2300MDoc &) = delete;

  CChannelState &StateCh1() override { return m_stateCh1; }
  CChannelState &StateCh2() override { return m_stateCh2; }
  void SetChannelFlags(int ch1On, int ch2On) override;
  void RefreshChannelStates() override;
  void SetCh1KnobStep(int step) override;
  void SetCh2KnobStep(int step) override;

  void SetActiveStepTable(const CStepTable *table) override { m_pStepTable = table; }
  // Writes the active panel's step table and CHANNEL choice into the file at path; false when
  // there is no panel or the file cannot be written (after its message).
  bool WriteStepFile(const QString &path) override;

  // Help > Contents (and F1): opens the compiled guide with the desktop's handler for it when
  // the guide is there and a handler is registered; otherwise shows the same pages in the
  // program's own help window. Something always appears.
  void OnHelpContents(const QString &appDir);
  static QString HelpFilePath(const QString &appDir);
  // Where the compiled guide may be: beside the program, then in the installed data folder.
  static QStringList HelpFileCandidates(const QString &appDir);
  // The program's own help window once it has been asked for; null before.
  CHelpWindow *HelpWindow() const { return m_help.get(); }

  // How the desktop opens a file: true when a registered handler took it. Tests replace it.
  using ShellOpen = std::function<bool(const QString &path)>;
  static ShellOpen SetShellOpen(ShellOpen open);
  // Whether the desktop names a default application for the file's type (xdg-mime); a missing
  // or silent xdg-mime counts as none.
  static bool HasRegisteredHandler(const QString &path);

  int m_bCh1On = 0;
  int m_bCh2On = 0;

private:
  CChannelState m_stateCh1;
  CChannelState m_stateCh2;
  const CStepTable *m_pStepTable = nullptr;
  std::unique_ptr<CHelpWindow> m_help;
};
