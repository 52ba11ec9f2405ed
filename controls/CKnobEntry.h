#pragma once
#include <cstdint>

#include <QString>

#include "controls/EditRules.h"

// What a knob types: the first touch gives "d.0" with the 0 selected, the next three compose the
// decimals, every later touch replaces the digit before the end of the edit's selection. The
// state runs one way for the life of the knob; it is never reset.
class CKnobEntry {
public:
  struct Result {
    QString text; // the new set-point text, to be written to the edit as a whole
    int selStart; // then select (selStart, selEnd)
    int selEnd;
  };

  // Digit 0 ... 9 entered into text; selection is the edit's selection just before the touch.
  Result Enter(int digit, const QString &text, controls::SelWord selection);


private:
  int m_bFirstEntry = 1;
  std::int16_t m_nDigitCount = 1; // 4: editing
  QString m_strPrefix;            // the first digit and "."
  controls::SelWord m_dwLastSel = 0;
};
