#pragma once
#include <array>
#include <span>

#include "device/VoltageCode.h"

// The panel's state that lives outside its controls, with the rules of the periodic tasks.
// Window-free: the view owns one and its handlers read and write it.
class CPanelState {
public:
  static constexpr int kRingSize = 2000;
  enum Channel { kCh1 = 0, kCh2 = 1, kCh3 = 2, kCh4 = 3 };

  // What the device watch must show after one probe.
  enum class WatchResult { Device, NoDevice, NoDeviceFirstMiss };

  // One sampling tick: both indices advance, the newest slot takes the confirmed CH1 and CH2
  // voltages. Constant work, no allocation.
  void Sample();

  // One device-watch tick with the probe's answer; the counter wraps from 1000 to 2 so the
  // message comes once per loss.
  WatchResult Watch(bool devicePresent);

  // The sample rings as the chart and the report read them: m_nRingSize samples each.
  std::span<const double> RingCh1() const { return Ring(m_dRingCh1); }
  std::span<const double> RingCh2() const { return Ring(m_dRingCh2); }

  // Whether each output is switched on; the OFF/ON captions show it.
  std::array<bool, 4> m_bOutputOn{};
  std::array<double, 4> m_dActualVolt{};
  std::array<VoltageCode, 4> m_voltCode{};
  std::array<double, kRingSize> m_dRingCh1{};
  std::array<double, kRingSize> m_dRingCh2{};
  int m_nRingSize = kRingSize;
  int m_nRingOldest = 0;
  int m_nRingNewest = kRingSize - 1;
  int m_bCompact = 1;
  int m_bInitialised = 0;
  int m_nMissCount = 0;
  int m_nStepIndex = 0;

private:
  std::span<const double> Ring(const std::array<double, kRingSize> &ring) const {
    return std::span(ring).first(static_cast<std::size_t>(m_nRingSize));
  }
};
