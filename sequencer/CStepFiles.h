#pragma once
#include <functional>

#include <QString>

#include "sequencer/CStepControls.h"

// File Open, Save and Save As of the step table. Every Save asks for a name; Open restores only
// the Volt column, through the step list.
class CStepFiles {
public:
  // Save and Save As hand the chosen path to the writer (the document's); the result is not
  // looked at.
  using Writer = std::function<bool(const QString &path)>;
  // Hands the step list its file reader.
  CStepFiles(const CStepControls &controls, Writer writer, QWidget *dialogParent = nullptr);

  void OnFileSave();
  void OnFileSaveAs();
  void OnFileOpen();

private:
  CStepControls m_c;
  Writer m_writer;
  QWidget *m_dialogParent;
};
