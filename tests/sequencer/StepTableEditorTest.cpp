#include <gtest/gtest.h>

#include "sequencer/CStepTableEditor.h"
#include "tests/sequencer/StepPanelFixture.h"
#include "tests/support/MessageCapture.h"

namespace {

using testhelp::Cells;
using testhelp::Counting;
using testhelp::Items;

class StepTableEditorTest : public ::testing::Test {
protected:
  void Choose(QComboBox *combo, const char *text, void (CStepTableEditor::*handler)()) {
    combo->setCurrentIndex(combo->findText(QString::fromLatin1(text)));
    (editor.*handler)();
  }

  StepPanelFixture panel;
  CStepTableEditor editor{panel.c};
  MessageCapture messages;
};

TEST_F(StepTableEditorTest, ModesShapeTheTableAndTheLists) {
  panel.SetVolts(Cells("a b c d e"));
  panel.stepIndex = 7;
  Choose(panel.c.mode, "2*5", &CStepTableEditor::OnSelchangeMode);
  EXPECT_EQ(panel.Column(2), QStringList(5)) << "a MODE change empties the Volt cells";
  EXPECT_EQ(panel.stepIndex, 7) << "and keeps the index";
  panel.SetVolts(Cells("a b c d e"));
  Choose(panel.c.number, "2", &CStepTableEditor::OnSelchangeNumber);
  // Start and Stop offer the group's steps; the runner's Number follows, its Steps count them.
  EXPECT_EQ(Items(panel.c.stop), Counting(6, 10));
  EXPECT_EQ(QStringList({panel.c.start->currentText(), panel.c.stop->currentText(),
                         panel.c.runNumber->currentText(), panel.c.runSteps->currentText()}),
            Cells("6 10 2 5"));
  EXPECT_EQ(panel.Column(0), Counting(6, 10));
  EXPECT_EQ(panel.Column(1), QStringList(5, QStringLiteral("2")));
  EXPECT_EQ(panel.Column(2), Cells("a b c d e")) << "a group change keeps the Volt cells";

  EXPECT_TRUE(messages.Texts().isEmpty());
}

TEST_F(StepTableEditorTest, SetAndClearWithAndWithoutVolt) {
  const struct {
    bool volt;
    void (CStepTableEditor::*command)();
    const char *start, *stop, *from, *to;
    int indexAfter;
    const char *volts;
  } cases[] = {
      {true, &CStepTableEditor::OnSetVolts, "2", "4", "abc", "18V", 0,
       "_ 0.000 9.000 18.000 _ _ _ _ _ _"},
      {false, &CStepTableEditor::OnSetVolts, "1", "10", "1.000", "9.000", 0, "k k k k k k k k k k"},
      {true, &CStepTableEditor::OnClearVolts, "1", "10", "1.000", "9.000", 3,
       "_ _ _ _ _ _ _ _ _ _"},
      {false, &CStepTableEditor::OnClearVolts, "1", "10", "1.000", "9.000", 3,
       "k k k k k k k k k k"},
  };
  for (const auto &c : cases) {
    panel.SetVolts(QStringList(10, QStringLiteral("k")));
    panel.stepIndex = 3;
    panel.c.voltCheck->setChecked(c.volt);
    Choose(panel.c.start, c.start, &CStepTableEditor::OnSelchangeStart);
    Choose(panel.c.stop, c.stop, &CStepTableEditor::OnSelchangeStop);
    panel.c.from->setText(QString::fromLatin1(c.from));
    panel.c.to->setText(QString::fromLatin1(c.to));
    (editor.*c.command)();
    EXPECT_EQ(panel.stepIndex, c.indexAfter) << c.volts;
    EXPECT_EQ(panel.Column(2), Cells(c.volts));
  }
  EXPECT_TRUE(messages.Texts().isEmpty());
}

TEST_F(StepTableEditorTest, InvertedRangesTellAndStand) {
  Choose(panel.c.start, "5", &CStepTableEditor::OnSelchangeStart);
  Choose(panel.c.stop, "3", &CStepTableEditor::OnSelchangeStop);
  Choose(panel.c.start, "6", &CStepTableEditor::OnSelchangeStart);
  EXPECT_EQ(messages.Texts(),
            (QStringList{QStringLiteral("The number of end step must be more than start step!"),
                         QStringLiteral("The number of start step must be less than end step!")}));
  EXPECT_EQ(panel.c.start->currentText() + panel.c.stop->currentText(), QStringLiteral("63"));
  EXPECT_EQ(panel.c.runSteps->currentIndex(), -1);
  panel.c.voltCheck->setChecked(true);
  editor.OnSetVolts();
  EXPECT_EQ(panel.Column(2), QStringList(10, QStringLiteral(" ")));
}

} // namespace
