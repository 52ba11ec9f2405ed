#pragma once
#include "core/CChannelState.h"

// The volt ruler's state and drag arithmetic, without a window: what the ruler's mouse handlers
// and its repaint do to the base value, the scroll remainder and the pending movement.
class CVoltScale {
public:
  // Left button pressed on the ruler.
  void OnLButtonDown(int y);
  // Pointer moved over the ruler; true when this move belongs to a drag and must be applied.
  bool OnMouseMove(int y);
  // Left button released on the ruler.
  void OnLButtonUp();

  // Turns the pending movement into scroll remainder and whole divisions for a ruler `height`
  // pixels high. A ruler under 20 pixels has no whole pixel per division; its movement is
  // dropped so that growing the ruler later does not jump the labels.
  void ApplyPendingMove(int height);

  int GetBase() const { return m_nBase; }
  void SetBase(int base) { m_nBase = base; }
  int GetStep() const { return m_nStep; }
  int GetDivisions() const { return m_nDivisions; }
  int GetScrollRemainder() const { return m_nScrollRemainder; }
  int GetMoveDelta() const { return m_nMoveDelta; }
  COLORREF GetColor() const { return m_crColor; }

private:
  int m_nBase = 0;
  int m_nStep = 1;
  int m_nDivisions = 10;
  int m_nScrollRemainder = 0;
  int m_nMoveDelta = 0;
  int m_nLastY = 0;
  int m_bDragging = 0;
  COLORREF m_crColor = RGB(0, 0, 0);
};
