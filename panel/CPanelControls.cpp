#include "panel/CPanelControls.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "controls/CIntEdit.h"
#include "controls/CLampWidget.h"
#include "controls/CStepListCtrl.h"
#include "controls/CVoltEdit.h"
#include "controls/CVoltKnob.h"
#include "platform/CDialogBuilder.h"
#include "resources/ControlIds.h"
#include "trend/CTimeRuler.h"
#include "trend/CTrendPlot.h"
#include "trend/CVoltRuler.h"

CPanelControls CPanelControls::Bind(const QWidget *panel) {
  using platform::DlgItem;
  CPanelControls c;
  const struct {
    int switchButton, led, actual, setPoint, ok, keypad, knob;
  } ids[4] = {
      {ctl::kCh1Switch, ctl::kCh1Led, ctl::kCh1Actual, ctl::kCh1Set, ctl::kCh1Ok, ctl::kCh1Keypad,
       ctl::kCh1Knob},
      {ctl::kCh2Switch, ctl::kCh2Led, ctl::kCh2Actual, ctl::kCh2Set, ctl::kCh2Ok, ctl::kCh2Keypad,
       ctl::kCh2Knob},
      {ctl::kCh3Switch, ctl::kCh3Led, ctl::kCh3Actual, 0, 0, 0, 0},
      {ctl::kCh4Switch, ctl::kCh4Led, ctl::kCh4Actual, 0, 0, 0, 0},
  };
  for (std::size_t ch = 0; ch < 4; ++ch) {
    Channel &out = c.channels[ch];
    out.switchButton = DlgItem<QAbstractButton>(panel, ids[ch].switchButton);
    out.led = DlgItem<CLampWidget>(panel, ids[ch].led);
    out.actual = DlgItem<QLineEdit>(panel, ids[ch].actual);
    if (ids[ch].setPoint == 0)
      continue;
    out.setPoint = DlgItem<CVoltEdit>(panel, ids[ch].setPoint);
    out.ok = DlgItem<QAbstractButton>(panel, ids[ch].ok);
    out.keypad = DlgItem<QAbstractButton>(panel, ids[ch].keypad);
    out.knob = DlgItem<CVoltKnob>(panel, ids[ch].knob);
  }
  c.toggleArea = DlgItem<QPushButton>(panel, ctl::kToggleArea);
  c.connectionIcon = DlgItem<QLabel>(panel, ctl::kConnectionIcon);
  c.legends = {DlgItem<QLabel>(panel, ctl::kCh1Legend), DlgItem<QLabel>(panel, ctl::kCh2Legend),
               DlgItem<QLabel>(panel, ctl::kCh1RadioLabel),
               DlgItem<QLabel>(panel, ctl::kCh2RadioLabel)};

  c.mode = DlgItem<QComboBox>(panel, ctl::kMode);
  c.number = DlgItem<QComboBox>(panel, ctl::kNumber);
  c.start = DlgItem<QComboBox>(panel, ctl::kStart);
  c.stop = DlgItem<QComboBox>(panel, ctl::kStop);
  c.stepList = DlgItem<CStepListCtrl>(panel, ctl::kStepList);
  c.voltCheck = DlgItem<QAbstractButton>(panel, ctl::kVoltCheck);
  c.fromVolt = DlgItem<CVoltEdit>(panel, ctl::kFromVolt);
  c.toVolt = DlgItem<CVoltEdit>(panel, ctl::kToVolt);
  c.setVolts = DlgItem<QAbstractButton>(panel, ctl::kSetVolts);
  c.clearVolts = DlgItem<QAbstractButton>(panel, ctl::kClearVolts);
  c.runNumber = DlgItem<QComboBox>(panel, ctl::kRunNumber);
  c.runSteps = DlgItem<QComboBox>(panel, ctl::kRunSteps);
  c.stepRadio = DlgItem<QRadioButton>(panel, ctl::kStepRadio);
  c.ch1Radio = DlgItem<QRadioButton>(panel, ctl::kCh1Radio);
  c.ch2Radio = DlgItem<QRadioButton>(panel, ctl::kCh2Radio);
  c.run = DlgItem<QAbstractButton>(panel, ctl::kRun);
  c.stopSteps = DlgItem<QAbstractButton>(panel, ctl::kStopSteps);

  c.voltRuler = DlgItem<CVoltRuler>(panel, ctl::kVoltRuler);
  c.trendPlot = DlgItem<CTrendPlot>(panel, ctl::kTrendPlot);
  c.timeRuler = DlgItem<CTimeRuler>(panel, ctl::kTimeRuler);
  c.interval = DlgItem<CIntEdit>(panel, ctl::kInterval);
  c.intervalUnit = DlgItem<QComboBox>(panel, ctl::kIntervalUnit);
  c.timeOk = DlgItem<QAbstractButton>(panel, ctl::kTimeOk);
  c.clock = DlgItem<QLabel>(panel, ctl::kClock);
  return c;
}
