#include "panel/CPanelState.h"

void CPanelState::Sample() {
  m_nRingOldest = (m_nRingOldest + 1) % m_nRingSize;
  m_nRingNewest = (m_nRingNewest + 1) % m_nRingSize;
  m_dRingCh1[static_cast<std::size_t>(m_nRingNewest)] = m_dActualVolt[kCh1];
  m_dRingCh2[static_cast<std::size_t>(m_nRingNewest)] = m_dActualVolt[kCh2];
}

CPanelState::WatchResult CPanelState::Watch(bool devicePresent) {
  if (devicePresent) {
    m_nMissCount = 0;
    return WatchResult::Device;
  }
  if (m_nMissCount == 1000)
    m_nMissCount = 1;
  ++m_nMissCount;
  return m_nMissCount == 1 ? WatchResult::NoDeviceFirstMiss : WatchResult::NoDevice;
}
