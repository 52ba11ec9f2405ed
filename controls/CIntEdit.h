#pragma once
#include "controls/CFilterEdit.h"

// A whole-number box: it warns about any typed character but digits and backspace, then lets it
// in all the same (the interval's OK button refuses a bad text later).
class CIntEdit : public CFilterEdit {
  Q_OBJECT
public:
  explicit CIntEdit(QWidget *parent = nullptr);

protected:
  void OnChar(char16_t c) override;
};
