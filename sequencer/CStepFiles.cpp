#include "sequencer/CStepFiles.h"

#include "core/IStepFileLoader.h"
#include "platform/CFileDialogs.h"
#include "platform/CMessageBox.h"
#include "sequencer/CStepFileReader.h"
#include "sequencer/SequencerTexts.h"

using platform::FileDialogRequest;

CStepFiles::CStepFiles(const CStepControls &controls, Writer writer, QWidget *dialogParent)
    : m_c(controls), m_writer(std::move(writer)), m_dialogParent(dialogParent) {
  m_c.loader->SetStepFileReader(&CStepFileReader::Read);
}

void CStepFiles::OnFileSave() {
  const auto path = platform::AskFileName({FileDialogRequest::Kind::Save, seqtext::SaveTitle(),
                                           seqtext::TextFilter(), QStringLiteral("txt"), true},
                                          m_dialogParent);
  if (path)
    m_writer(*path);
}

void CStepFiles::OnFileSaveAs() {
  const auto path = platform::AskFileName({FileDialogRequest::Kind::Save, seqtext::SaveAsTitle(),
                                           seqtext::AllFilters(), QStringLiteral("doc"), true},
                                          m_dialogParent);
  if (path)
    m_writer(*path);
}

void CStepFiles::OnFileOpen() {
  const auto path = platform::AskFileName({FileDialogRequest::Kind::Open, seqtext::OpenTitle(),
                                           seqtext::AllFilters(), QString(), false},
                                          m_dialogParent);
  if (!path)
    return;
  // The full path: Qt's dialog leaves the current folder alone.
  if (m_c.loader->ReadStepFile(*path))
    m_c.loader->SetFirstLoaded(0);
  else
    platform::ShowMessage(seqtext::ReadingError());
}
