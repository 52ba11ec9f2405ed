#include "sequencer/CStepRunner.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>

#include "core/CStepTable.h"
#include "platform/CMessageBox.h"
#include "sequencer/CSamplingInterval.h"
#include "sequencer/CStepRunRules.h"
#include "sequencer/IStepRunnerHost.h"
#include "sequencer/SequencerTexts.h"

namespace {
constexpr int kCh1 = 0;
constexpr int kCh2 = 1;
constexpr int kVoltColumn = 2;
} // namespace

CStepRunner::CStepRunner(const CStepControls &controls, IStepRunnerHost &host)
    : m_c(controls), m_host(host) {}

void CStepRunner::OnRunStep() {
  const int channel = m_c.table->GetStepChannel();
  if (channel == CStepTable::kNoChannel) {
    platform::ShowMessage(seqtext::ChooseChannel());
    return;
  }
  const int count = m_c.table->GetItemCount();
  if (!m_c.stepRadio->isChecked())
    return;
  const std::optional<int> row = CStepRunRules::RowToSend(*m_c.stepIndex, count);
  if (!row)
    return;
  VoltageCode &code = m_c.voltCode[channel];
  code = CStepRunRules::CodeFromText(m_c.table->GetItemText(*row, kVoltColumn));
  m_c.runButton->setEnabled(false);
  if (m_host.SendVolt(channel, 1, code)) {
    m_host.ShowActualVolt(channel, code.ToVolts());
    ++*m_c.stepIndex;
  } else {
    // The index stays, so the next Run tries the same row again.
    platform::ShowMessage(seqtext::SendingError());
  }
  m_c.runButton->setEnabled(true);
}

void CStepRunner::OnStopSteps() {
  m_c.voltCode[kCh1] = {};
  m_c.voltCode[kCh2] = {};
  *m_c.stepIndex = 0;
  const int channel = m_c.table->GetStepChannel();
  if (channel == CStepTable::kNoChannel)
    return;
  if (m_host.SendVolt(channel, 0, m_c.voltCode[channel]))
    m_host.ShowActualVolt(channel, 0.0);
  else
    platform::ShowMessage(seqtext::SendingError());
}

void CStepRunner::OnChannelRadio() {
  *m_c.stepIndex = 0;
}

void CStepRunner::OnTimeOk() {
  const CSamplingInterval::Result result =
      CSamplingInterval::Check(m_c.interval->text(), m_c.unit->currentText());
  if (!result.Accepted()) {
    platform::ShowMessage(result.message);
    return;
  }
  m_host.SetSamplingPeriod(result.periodMs);
}
