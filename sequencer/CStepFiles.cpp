#include "sequencer/CStepFiles.h"

#include <QAbstractButton>

#include "controls/CStepListCtrl.h"
#include "platform/CFileDialogs.h"
#include "platform/CMessageBox.h"
#include "platform/CUserFile.h"
#include "platform/CrtText.h"
#include "sequencer/CStepFileFormat.h"
#include "sequencer/CStepFileReader.h"
#include "sequencer/SequencerTexts.h"

using platform::FileDialogRequest;

CStepFiles::CStepFiles(const CStepControls &controls, QWidget *dialogParent)
    : m_c(controls), m_dialogParent(dialogParent) {
  m_c.list->SetStepFileReader(&CStepFileReader::Read);
}

void CStepFiles::OnFileSave() {
  const auto path = platform::AskFileName({FileDialogRequest::Kind::Save, seqtext::SaveTitle(),
                                           seqtext::TextFilter(), QStringLiteral("txt"), true},
                                          m_dialogParent);
  if (path)
    WriteStepFile(*path);
}

void CStepFiles::OnFileSaveAs() {
  const auto path = platform::AskFileName({FileDialogRequest::Kind::Save, seqtext::SaveAsTitle(),
                                           seqtext::AllFilters(), QStringLiteral("doc"), true},
                                          m_dialogParent);
  if (path)
    WriteStepFile(*path);
}

void CStepFiles::OnFileOpen() {
  const auto path = platform::AskFileName({FileDialogRequest::Kind::Open, seqtext::OpenTitle(),
                                           seqtext::AllFilters(), QString(), false},
                                          m_dialogParent);
  if (!path)
    return;
  // The full path: Qt's dialog leaves the current folder alone.
  if (m_c.list->ReadStepFile(*path))
    m_c.list->m_nFirstLoaded = 0;
  else
    platform::ShowMessage(seqtext::ReadingError());
}

bool CStepFiles::WriteStepFile(const QString &path) {
  const bool ch1 = m_c.ch1Radio->isChecked();
  std::vector<CStepFileFormat::Row> rows;
  const int count = m_c.list->GetItemCount();
  rows.reserve(static_cast<std::size_t>(count));
  for (int row = 0; row < count; ++row)
    rows.push_back({crt::ToBytes(m_c.list->GetItemText(row, 0)),
                    crt::ToBytes(m_c.list->GetItemText(row, 1)),
                    crt::ToBytes(m_c.list->GetItemText(row, 2))});
  const std::string text = CStepFileFormat::HeaderText(ch1) + CStepFileFormat::RowsText(ch1, rows);

  QString why;
  if (!CUserFile::Save(path, text, &why)) {
    platform::ShowMessage(seqtext::CannotSave() + why);
    return false;
  }
  return true;
}
