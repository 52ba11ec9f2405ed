#pragma once
#include <QString>

#include "sequencer/CStepControls.h"

// File Open, Save and Save As of the step table. Every Save asks for a name; Open restores only
// the Volt column, through the step list.
class CStepFiles {
public:
  // Hands the step list its file reader.
  explicit CStepFiles(const CStepControls &controls, QWidget *dialogParent = nullptr);

  void OnFileSave();
  void OnFileSaveAs();
  void OnFileOpen();
  // The table and the CHANNEL choice into the file at path; false (after the message) when the
  // file cannot be written. An existing file keeps its old bytes unless the new ones are all
  // written.
  bool WriteStepFile(const QString &path);

private:
  CStepControls m_c;
  QWidget *m_dialogParent;
};
