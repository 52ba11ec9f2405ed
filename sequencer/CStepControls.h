#pragma once
#include "device/VoltageCode.h"

class CStepListCtrl;
class QAbstractButton;
class QComboBox;
class QLineEdit;
class QWidget;

// The panel's controls and state that the step sequencer reads and writes, handed over once
// when the handlers are created (none is owned here).
struct CStepControls {
  QComboBox *mode = nullptr;            // 1026 MODE
  QComboBox *number = nullptr;          // 1031 Number (sorted)
  QComboBox *start = nullptr;           // 1032 Start
  QComboBox *stop = nullptr;            // 1033 Stop
  QComboBox *runNumber = nullptr;       // 1046 Number of the runner area
  QComboBox *runSteps = nullptr;        // 1048 Steps
  QComboBox *unit = nullptr;            // 1072 interval unit
  CStepListCtrl *list = nullptr;        // 1027 step table
  QAbstractButton *voltCheck = nullptr; // 1034 "Volt"
  QLineEdit *from = nullptr;            // 1036
  QLineEdit *to = nullptr;              // 1038
  QLineEdit *interval = nullptr;        // 1095
  QAbstractButton *stepRadio = nullptr; // 1042 "Step"
  QAbstractButton *ch1Radio = nullptr;  // 1115
  QAbstractButton *ch2Radio = nullptr;  // 1116
  QWidget *runButton = nullptr;         // 1049 Run
  int *stepIndex = nullptr;             // the panel's m_nStepIndex
  VoltageCode *voltCode = nullptr;      // the panel's m_voltCode[4]
};
