#pragma once
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

#include "controls/CStepListCtrl.h"
#include "core/CStepTable.h"
#include "sequencer/CStepControls.h"
#include "sequencer/CStepTableEditor.h"
#include "tests/support/TestHelpers.h"

// The step area's controls as the panel has them right after start-up: MODE "1*10", ten rows,
// From 1.000, To 9.000, CH1 and "Step" selected.
struct StepPanelFixture {
  QWidget window;
  CStepListCtrl *list = Make<CStepListCtrl>();
  CStepTable &table = *list->Table();
  int stepIndex = 0;
  VoltageCode voltCode[4]{};
  CStepControls c{.mode = Make<QComboBox>(),
                  .number = Make<QComboBox>(),
                  .start = Make<QComboBox>(),
                  .stop = Make<QComboBox>(),
                  .runNumber = Make<QComboBox>(),
                  .runSteps = Make<QComboBox>(),
                  .unit = Make<QComboBox>(),
                  .table = &table,
                  .loader = list,
                  .voltCheck = Make<QCheckBox>(),
                  .from = Make<QLineEdit>(),
                  .to = Make<QLineEdit>(),
                  .interval = Make<QLineEdit>(),
                  .stepRadio = Make<QRadioButton>(),
                  .runButton = Make<QPushButton>(),
                  .stepIndex = &stepIndex,
                  .voltCode = voltCode};

  StepPanelFixture() {
    c.mode->addItems({QStringLiteral("1*10"), QStringLiteral("2*5")});
    for (const char *heading : {"Step", "Number", "Volt"})
      list->InsertColumn(3, QString::fromLatin1(heading), 60);
    table.SetStepChannel(CStepTable::kStepCh1);
    c.stepRadio->setAutoExclusive(false); // alone in its group; tests clear it
    c.stepRadio->setChecked(true);
    CStepTableEditor(c).FillFromMode();
    c.from->setText(QStringLiteral("1.000"));
    c.to->setText(QStringLiteral("9.000"));
  }

  template <class Widget> Widget *Make() { return new Widget(&window); }

  QStringList Column(int column) const {
    QStringList texts;
    for (int row = 0; row < table.GetItemCount(); ++row)
      texts.append(table.GetItemText(row, column));
    return texts;
  }

  void SetVolts(const QStringList &volts) {
    for (int row = 0; row < volts.size(); ++row)
      table.SetItemText(row, 2, volts[row]);
  }
};
