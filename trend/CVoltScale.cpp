#include "trend/CVoltScale.h"

void CVoltScale::OnLButtonDown(int y) {
  m_bDragging = 1;
  m_nLastY = y;
}

bool CVoltScale::OnMouseMove(int y) {
  if (!m_bDragging)
    return false;
  m_nMoveDelta = y - m_nLastY;
  m_nLastY = y;
  return true;
}

void CVoltScale::OnLButtonUp() {
  m_bDragging = 0;
}

void CVoltScale::ApplyPendingMove(int height) {
  const double p = static_cast<double>(height - 10) / m_nDivisions;
  const int whole = static_cast<int>(p);
  if (whole == 0) {
    m_nMoveDelta = 0;
    return;
  }
  m_nScrollRemainder += m_nMoveDelta;
  m_nMoveDelta = 0;
  if (m_nScrollRemainder > p || -m_nScrollRemainder > p) {
    const int n = m_nScrollRemainder / whole;
    m_nBase += n;
    m_nScrollRemainder -= static_cast<int>(n * p);
  }
}
