#pragma once
#include <array>

class CIntEdit;
class CLampWidget;
class CStepListCtrl;
class CTimeRuler;
class CTrendPlot;
class CVoltEdit;
class CVoltKnob;
class CVoltRuler;
class QAbstractButton;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

// The panel's controls, found once by name after the template is built; the panel works on these
// typed pointers and never searches its children again.
struct CPanelControls {
  // One output; CH3 and CH4 have no set point, OK, keypad or knob.
  struct Channel {
    QAbstractButton *switchButton = nullptr;
    CLampWidget *led = nullptr;
    QLineEdit *actual = nullptr;
    CVoltEdit *setPoint = nullptr;
    QAbstractButton *ok = nullptr;
    QAbstractButton *keypad = nullptr;
    CVoltKnob *knob = nullptr;
  };
  std::array<Channel, 4> channels;
  QPushButton *toggleArea = nullptr;
  QLabel *connectionIcon = nullptr;
  std::array<QLabel *, 4> legends{}; // CH1, CH2 under the chart, then CH1, CH2 of CHANNEL

  QComboBox *mode = nullptr;
  QComboBox *number = nullptr;
  QComboBox *start = nullptr;
  QComboBox *stop = nullptr;
  CStepListCtrl *stepList = nullptr;
  QAbstractButton *voltCheck = nullptr;
  CVoltEdit *fromVolt = nullptr;
  CVoltEdit *toVolt = nullptr;
  QAbstractButton *setVolts = nullptr;
  QAbstractButton *clearVolts = nullptr;
  QComboBox *runNumber = nullptr;
  QComboBox *runSteps = nullptr;
  QRadioButton *stepRadio = nullptr;
  QRadioButton *ch1Radio = nullptr;
  QRadioButton *ch2Radio = nullptr;
  QAbstractButton *run = nullptr;
  QAbstractButton *stopSteps = nullptr;

  CVoltRuler *voltRuler = nullptr;
  CTrendPlot *trendPlot = nullptr;
  CTimeRuler *timeRuler = nullptr;
  CIntEdit *interval = nullptr;
  QComboBox *intervalUnit = nullptr;
  QAbstractButton *timeOk = nullptr;
  QLabel *clock = nullptr;

  // Finds every control of template 102 in panel.
  static CPanelControls Bind(const QWidget *panel);
};
