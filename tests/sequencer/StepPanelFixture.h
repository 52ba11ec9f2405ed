#pragma once
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

#include "controls/CStepListCtrl.h"
#include "sequencer/CStepControls.h"
#include "sequencer/CStepTableEditor.h"
#include "tests/support/TestHelpers.h"

// The step area's controls as the panel has them right after start-up: MODE "1*10", ten rows,
// From 1.000, To 9.000, CH1 and "Step" selected, interval 1000 Millisecond.
struct StepPanelFixture {
  QWidget window;
  QComboBox *mode = new QComboBox(&window);
  QComboBox *number = new QComboBox(&window);
  QComboBox *start = new QComboBox(&window);
  QComboBox *stop = new QComboBox(&window);
  QComboBox *runNumber = new QComboBox(&window);
  QComboBox *runSteps = new QComboBox(&window);
  QComboBox *unit = new QComboBox(&window);
  CStepListCtrl *list = new CStepListCtrl(&window);
  QCheckBox *voltCheck = new QCheckBox(QStringLiteral("Volt"), &window);
  QLineEdit *from = new QLineEdit(&window);
  QLineEdit *to = new QLineEdit(&window);
  QLineEdit *interval = new QLineEdit(&window);
  QWidget *stepGroup = new QWidget(&window);
  QWidget *channelGroup = new QWidget(&window);
  QRadioButton *stepRadio = new QRadioButton(QStringLiteral("Step"), stepGroup);
  QRadioButton *ch1Radio = new QRadioButton(channelGroup);
  QRadioButton *ch2Radio = new QRadioButton(channelGroup);
  QPushButton *runButton = new QPushButton(QStringLiteral("Run"), &window);
  int stepIndex = 0;
  VoltageCode voltCode[4]{};

  StepPanelFixture() {
    mode->addItems({QStringLiteral("1*10"), QStringLiteral("2*5")});
    unit->addItems({QStringLiteral("Millisecond"), QStringLiteral("Second"),
                    QStringLiteral("Minute"), QStringLiteral("Hour")});
    list->InsertColumn(0, QStringLiteral("Step"), 40);
    list->InsertColumn(1, QStringLiteral("Number"), 60);
    list->InsertColumn(2, QStringLiteral("Volt"), 60);
    ch1Radio->setChecked(true);
    stepRadio->setChecked(true);
    mode->setCurrentIndex(0);
    CStepTableEditor(Controls()).FillFromMode();
    from->setText(QStringLiteral("1.000"));
    to->setText(QStringLiteral("9.000"));
    interval->setText(QStringLiteral("1000"));
  }

  CStepControls Controls() {
    return {.mode = mode,
            .number = number,
            .start = start,
            .stop = stop,
            .runNumber = runNumber,
            .runSteps = runSteps,
            .unit = unit,
            .table = list->Table(),
            .loader = list,
            .voltCheck = voltCheck,
            .from = from,
            .to = to,
            .interval = interval,
            .stepRadio = stepRadio,
            .ch1Radio = ch1Radio,
            .ch2Radio = ch2Radio,
            .runButton = runButton,
            .stepIndex = &stepIndex,
            .voltCode = voltCode};
  }

  QStringList Column(int column) const {
    QStringList texts;
    for (int row = 0; row < list->GetItemCount(); ++row)
      texts.append(list->GetItemText(row, column));
    return texts;
  }

  void SetVolts(const QStringList &volts) {
    for (int row = 0; row < volts.size(); ++row)
      list->SetItemText(row, 2, volts[row]);
  }

  // Neither channel radio selected: the exclusive pair refuses to clear its checked button.
  void ClearChannels() {
    ch1Radio->setAutoExclusive(false);
    ch2Radio->setAutoExclusive(false);
    ch1Radio->setChecked(false);
    ch2Radio->setChecked(false);
  }
};
