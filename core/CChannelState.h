#pragma once
#include <cstdint>

// A colour as the panel keeps it: 0x00BBGGRR. Windows' own header already declares these, with
// the same layout, so only other platforms get ours.
#ifdef _WIN32
#include <windows.h>
#else
using COLORREF = std::uint32_t;
constexpr COLORREF RGB(int r, int g, int b) {
  return static_cast<COLORREF>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int GetRValue(COLORREF c) {
  return static_cast<int>(c & 0xFF);
}
constexpr int GetGValue(COLORREF c) {
  return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int GetBValue(COLORREF c) {
  return static_cast<int>((c >> 16) & 0xFF);
}
#endif

// Display state of CH1 or CH2: switched on in the panel, its colour, and the knob's last step.
// A plain value with no dependencies, so the knobs and the report can read it.
class CChannelState {
public:
  virtual ~CChannelState() = default;

  int GetOn() const { return m_bOn; }
  void SetOn(int on) { m_bOn = on; }
  COLORREF GetColor() const { return m_crColor; }
  void SetColor(COLORREF color) { m_crColor = color; }
  std::int16_t GetKnobStep() const { return m_nKnobStep; }
  void SetKnobStep(std::int16_t step) { m_nKnobStep = step; }

private:
  int m_bOn = 0;
  COLORREF m_crColor = RGB(125, 125, 125);
  std::int16_t m_nKnobStep = -1;
};

inline constexpr COLORREF kColorCh1 = RGB(128, 255, 128);
inline constexpr COLORREF kColorCh2 = RGB(0, 255, 255);
inline constexpr COLORREF kColorOff = RGB(125, 125, 125);
