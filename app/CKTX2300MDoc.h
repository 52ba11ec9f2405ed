#pragma once
#include <functional>

#include <QString>

#include "core/CChannelState.h"
#include "panel/IPanelDocument.h"

// The single document: no file content, only the display state of CH1 and CH2 that the panel
// switches and the knobs and the report read. It also answers Help > Contents.
class CKTX2300MDoc : public IPanelDocument {
public:
  CChannelState &StateCh1() override { return m_stateCh1; }
  CChannelState &StateCh2() override { return m_stateCh2; }
  void SetChannelFlags(int ch1On, int ch2On) override;
  void RefreshChannelStates() override;
  void SetCh1KnobStep(int step) override;
  void SetCh2KnobStep(int step) override;

  // Writes the step data file of the active panel through the writer the panel registered.
  using StepFileWriter = std::function<bool(const QString &path)>;
  void SetStepFileWriter(StepFileWriter writer) { m_writer = std::move(writer); }
  bool WriteStepFile(const QString &path) const { return m_writer && m_writer(path); }

  // Help > Contents: opens "<program folder>/KTX2300M.chm" with the desktop's default handler;
  // nothing happens when the file is missing.
  void OnHelpContents(const QString &appDir) const;
  static QString HelpFilePath(const QString &appDir);

  // How the desktop opens a file; tests replace it.
  using ShellOpen = std::function<void(const QString &path)>;
  static ShellOpen SetShellOpen(ShellOpen open);

  int m_bCh1On = 0;
  int m_bCh2On = 0;

private:
  CChannelState m_stateCh1;
  CChannelState m_stateCh2;
  StepFileWriter m_writer;
};
