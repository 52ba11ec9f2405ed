#pragma once
#include "device/VoltageCode.h"

class CStepTable;
class IStepFileLoader;
class QAbstractButton;
class QComboBox;
class QLineEdit;
class QWidget;

// The panel's controls and state that the step sequencer reads and writes, handed over once
// when the handlers are created (none is owned here).
struct CStepControls {
  QComboBox *mode = nullptr;
  QComboBox *number = nullptr; // sorted
  QComboBox *start = nullptr;
  QComboBox *stop = nullptr;
  QComboBox *runNumber = nullptr; // the runner's Number
  QComboBox *runSteps = nullptr;
  QComboBox *unit = nullptr;
  CStepTable *table = nullptr;       // with the CHANNEL choice
  IStepFileLoader *loader = nullptr; // the step list
  QAbstractButton *voltCheck = nullptr;
  QLineEdit *from = nullptr;
  QLineEdit *to = nullptr;
  QLineEdit *interval = nullptr;
  QAbstractButton *stepRadio = nullptr;
  QWidget *runButton = nullptr;
  int *stepIndex = nullptr;        // the panel's m_nStepIndex
  VoltageCode *voltCode = nullptr; // the panel's m_voltCode[4]
};
