#include "sequencer/CStepFileWriter.h"

#include "core/CStepTable.h"
#include "platform/CMessageBox.h"
#include "platform/CUserFile.h"
#include "platform/CrtText.h"
#include "sequencer/CStepFileFormat.h"
#include "sequencer/SequencerTexts.h"

bool CStepFileWriter::Write(const CStepTable &table, const QString &path) {
  const bool ch1 = table.GetStepChannel() == CStepTable::kStepCh1;
  std::vector<CStepFileFormat::Row> rows;
  const int count = table.GetItemCount();
  rows.reserve(static_cast<std::size_t>(count));
  for (int row = 0; row < count; ++row)
    rows.push_back({crt::ToBytes(table.GetItemText(row, 0)),
                    crt::ToBytes(table.GetItemText(row, 1)),
                    crt::ToBytes(table.GetItemText(row, 2))});
  const std::string text = CStepFileFormat::HeaderText(ch1) + CStepFileFormat::RowsText(ch1, rows);

  QString why;
  if (!CUserFile::Save(path, text, &why)) {
    platform::ShowMessage(seqtext::CannotSave() + why);
    return false;
  }
  return true;
}
