#include "panel/CChannelControl.h"

#include <QAbstractButton>
#include <QLineEdit>

#include "controls/CLED.h"
#include "device/CPwrio.h"
#include "panel/CPanelState.h"
#include "panel/IPanelDocument.h"
#include "panel/PanelRules.h"
#include "panel/PanelTexts.h"
#include "platform/CDialogBuilder.h"
#include "platform/CMessageBox.h"
#include "resources/AccessibleTexts.h"

namespace {
QString Text(const char *text) {
  return QString::fromLatin1(text);
}
CPwrio::Channel DeviceChannel(int channel) {
  return static_cast<CPwrio::Channel>(channel);
}
} // namespace

CChannelControl::CChannelControl(CPanelState &state, CPwrio &pwrio,
                                 const std::array<Widgets, 4> &widgets,
                                 std::array<QString *, 2> setPointTexts)
    : m_state(state), m_pwrio(pwrio), m_widgets(widgets), m_setPointTexts(setPointTexts) {}

bool CChannelControl::IsOn(int channel) const {
  return m_state.m_bOutputOn[static_cast<std::size_t>(channel)];
}

void CChannelControl::ShowOn(int channel, bool on) {
  m_state.m_bOutputOn[static_cast<std::size_t>(channel)] = on;
  platform::SetWindowText(m_widgets[channel].button, Text(on ? texts::kOn : texts::kOff));
  m_widgets[channel].button->setAccessibleDescription(
      Text(on ? res::access::kOn : res::access::kOff));
  m_widgets[channel].led->SetOn(on);
}

QString CChannelControl::MenuText(int channel) const {
  return Text(IsOn(channel) ? texts::kTurnOff : texts::kTurnOn);
}

void CChannelControl::OnSetCh(int channel) {
  const Widgets &w = m_widgets[channel];
  QString &text = *m_setPointTexts[channel];
  text = platform::GetWindowText(w.setPoint);
  const panel::SetPointCheck check = panel::CheckSetPoint(text);
  if (!check.message.isEmpty()) {
    platform::ShowMessage(check.message);
    return;
  }
  VoltageCode &code = m_state.m_voltCode[channel];
  code = check.code;
  if (!IsOn(channel)) {
    platform::ShowMessage(Text(texts::kOpenChannel));
    return;
  }
  w.ok->setEnabled(false);
  if (m_pwrio.SetVolt(DeviceChannel(channel), 1, code)) {
    m_state.m_dActualVolt[channel] = code.ToVolts();
    platform::SetWindowText(w.actual, panel::ActualText(code, false));
  } else {
    platform::ShowMessage(Text(texts::kSendingErrorOk));
  }
  w.ok->setEnabled(true);
}

void CChannelControl::SetChannelStateOn(int channel, bool on) {
  if (!m_pDoc)
    return;
  CChannelState &state = channel == 0 ? m_pDoc->StateCh1() : m_pDoc->StateCh2();
  state.SetOn(on ? 1 : 0);
  if (on)
    state.SetColor(channel == 0 ? kColorCh1 : kColorCh2);
}

void CChannelControl::OnSwitchAdjustable(int channel) {
  const Widgets &w = m_widgets[channel];
  if (!IsOn(channel)) {
    // Switching on sends nothing: the output gets its voltage with the next OK.
    SetChannelStateOn(channel, true);
    ShowOn(channel, true);
    w.setPoint->setReadOnly(false);
  } else {
    SetChannelStateOn(channel, false);
    ShowOn(channel, false);
    w.setPoint->setReadOnly(true);
    VoltageCode &code = m_state.m_voltCode[channel];
    code = {};
    if (m_pwrio.SetVolt(DeviceChannel(channel), 0, code)) {
      m_state.m_dActualVolt[channel] = 0.0;
      platform::SetWindowText(w.actual, Text(texts::kZero));
      platform::SetWindowText(w.setPoint, Text(texts::kZero));
    } else {
      platform::ShowMessage(Text(texts::kSendingErrorSwitch));
    }
  }
  w.knob->update();
}

void CChannelControl::OnSwitchFixed(int channel, const char *failText) {
  const Widgets &w = m_widgets[channel];
  const bool on = !IsOn(channel);
  ShowOn(channel, on);
  VoltageCode &code = m_state.m_voltCode[channel];
  code = {};
  if (m_pwrio.SetVolt(DeviceChannel(channel), on ? 1 : 0, code)) {
    m_state.m_dActualVolt[channel] = code.ToVolts();
    platform::SetWindowText(w.actual, panel::ActualText(code, channel == CPanelState::kCh4));
  } else {
    platform::ShowMessage(Text(failText));
  }
}
