#include "sequencer/CStepTableEditor.h"

#include <algorithm>

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QStringList>

#include "core/CStepTable.h"
#include "platform/CMessageBox.h"
#include "platform/CrtText.h"
#include "sequencer/CModeText.h"
#include "sequencer/CStepFill.h"
#include "sequencer/SequencerTexts.h"

namespace {

constexpr int kStepColumn = 0;
constexpr int kNumberColumn = 1;
constexpr int kVoltColumn = 2;

QString Decimal(long long value) {
  return QString::number(value);
}

// "1" ... count; the Number list has the sorted style, so its items are in text order.
void FillCounting(QComboBox *combo, int count, bool sorted = false) {
  QStringList items;
  for (int i = 1; i <= count; ++i)
    items.append(Decimal(i));
  if (sorted)
    std::sort(items.begin(), items.end());
  combo->addItems(items);
}

// An index outside the list leaves it with no selection.
void Select(QComboBox *combo, long long index) {
  combo->setCurrentIndex(index >= 0 && index < combo->count() ? static_cast<int>(index) : -1);
}

int ValueOf(const QComboBox *combo) {
  return crt::Atoi(combo->currentText());
}

// Rows the even fill and Clear walk: a MODE's S rows, never more than the table holds.
int WalkedRows(int steps, const CStepTable *table) {
  return std::clamp(steps, 0, table->GetItemCount());
}

} // namespace

CStepTableEditor::CStepTableEditor(const CStepControls &controls) : m_c(controls) {}

void CStepTableEditor::FillFromMode() {
  FillLists();
  Select(m_c.runSteps,
         static_cast<long long>(m_c.stop->currentIndex()) - m_c.start->currentIndex());
}

void CStepTableEditor::FillLists() {
  const CModeText mode = CModeText::Parse(m_c.mode->currentText());
  FillCounting(m_c.number, mode.groups, true);
  Select(m_c.number, 0);
  FillCounting(m_c.start, mode.steps);
  Select(m_c.start, 0);
  FillCounting(m_c.stop, mode.steps);
  Select(m_c.stop, static_cast<long long>(mode.steps) - 1);
  // Rows go in at the top from the last step down, so they end up in step order.
  for (int k = mode.steps; k >= 1; --k) {
    m_c.table->InsertItem(0, Decimal(k));
    m_c.table->SetItemText(0, kNumberColumn, m_c.number->currentText());
  }
  FillCounting(m_c.runNumber, mode.groups);
  Select(m_c.runNumber, 0);
  FillCounting(m_c.runSteps, mode.steps);
}

void CStepTableEditor::OnSelchangeMode() {
  for (QComboBox *combo : {m_c.number, m_c.start, m_c.stop, m_c.runNumber, m_c.runSteps})
    combo->clear();
  m_c.table->DeleteAllItems();
  FillLists();
  CheckRange(seqtext::RangeEndBeforeStartOnMode());
}

void CStepTableEditor::OnSelchangeNumber() {
  const int group = ValueOf(m_c.number);
  Select(m_c.runNumber, static_cast<long long>(group) - 1);
  const CModeText mode = CModeText::Parse(m_c.mode->currentText());
  const long long first = mode.FirstStep(group);
  const long long last = first + mode.steps - 1;
  m_c.start->clear();
  m_c.stop->clear();
  QStringList steps;
  for (long long step = first; step <= last; ++step) {
    const int row = static_cast<int>(step - first);
    m_c.table->SetItemText(row, kStepColumn, Decimal(step));
    m_c.table->SetItemText(row, kNumberColumn, m_c.number->currentText());
    steps.append(Decimal(step));
  }
  m_c.start->addItems(steps);
  m_c.stop->addItems(steps);
  Select(m_c.start, 0);
  Select(m_c.stop, static_cast<long long>(mode.steps) - 1);
}

void CStepTableEditor::OnSelchangeStart() {
  CheckRange(seqtext::RangeStartAfterEnd());
}

void CStepTableEditor::OnSelchangeStop() {
  CheckRange(seqtext::RangeEndBeforeStart());
}

void CStepTableEditor::CheckRange(const QString &message) {
  const int start = ValueOf(m_c.start);
  const int stop = ValueOf(m_c.stop);
  // The operator's choice stands; the message only tells.
  if (stop < start)
    platform::ShowMessage(message);
  Select(m_c.runSteps, static_cast<long long>(stop) - start);
}

void CStepTableEditor::OnSetVolts() {
  *m_c.stepIndex = 0;
  if (!m_c.voltCheck->isChecked())
    return;
  const CModeText mode = CModeText::Parse(m_c.mode->currentText());
  const std::vector<QString> texts = CStepFill::EvenFill(
      WalkedRows(mode.steps, m_c.table), mode.FirstStep(ValueOf(m_c.number)), ValueOf(m_c.start),
      ValueOf(m_c.stop), crt::Atof(m_c.from->text()), crt::Atof(m_c.to->text()));
  for (std::size_t row = 0; row < texts.size(); ++row)
    m_c.table->SetItemText(static_cast<int>(row), kVoltColumn, texts[row]);
}

void CStepTableEditor::OnClearVolts() {
  if (!m_c.voltCheck->isChecked())
    return;
  const CModeText mode = CModeText::Parse(m_c.mode->currentText());
  const int rows = WalkedRows(mode.steps, m_c.table);
  for (int row = 0; row < rows; ++row)
    m_c.table->SetItemText(row, kVoltColumn, QStringLiteral(" "));
}
