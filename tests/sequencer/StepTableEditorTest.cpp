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
  StepPanelFixture panel;
  CStepTableEditor editor{panel.Controls()};
  MessageCapture messages;

  void ChooseMode(int index) {
    panel.mode->setCurrentIndex(index);
    editor.OnSelchangeMode();
  }
  void ChooseNumber(int index) {
    panel.number->setCurrentIndex(index);
    editor.OnSelchangeNumber();
  }
  void ChooseStart(const QString &text) {
    panel.start->setCurrentIndex(panel.start->findText(text));
    editor.OnSelchangeStart();
  }
  void ChooseStop(const QString &text) {
    panel.stop->setCurrentIndex(panel.stop->findText(text));
    editor.OnSelchangeStop();
  }
};

TEST_F(StepTableEditorTest, StartUpState) {
  EXPECT_EQ(Items(panel.number), QStringList{QStringLiteral("1")});
  EXPECT_EQ(panel.Column(0), Counting(1, 10));
  EXPECT_EQ(panel.Column(1), QStringList(10, QStringLiteral("1")));
  EXPECT_EQ(panel.Column(2), QStringList(10, QString()));
  EXPECT_EQ(Items(panel.start), Counting(1, 10));
  EXPECT_EQ(panel.start->currentText(), QStringLiteral("1"));
  EXPECT_EQ(panel.stop->currentText(), QStringLiteral("10"));
  EXPECT_EQ(Items(panel.runSteps), Counting(1, 10));
  EXPECT_EQ(panel.runSteps->currentText(), QStringLiteral("10"));
  EXPECT_EQ(panel.runNumber->currentText(), QStringLiteral("1"));
}

TEST_F(StepTableEditorTest, SetFillsOnlyTheRange) {
  panel.voltCheck->setChecked(true);
  ChooseStart(QStringLiteral("2"));
  ChooseStop(QStringLiteral("4"));
  EXPECT_EQ(panel.runSteps->currentText(), QStringLiteral("3"));
  editor.OnSetVolts();
  EXPECT_EQ(panel.Column(2), Cells("_ 1.000 5.000 9.000 _ _ _ _ _ _"));
  EXPECT_TRUE(messages.Texts().isEmpty());
}

TEST_F(StepTableEditorTest, SecondGroupOfTwoByFive) {
  ChooseMode(1);
  EXPECT_EQ(Items(panel.number), Counting(1, 2));
  EXPECT_EQ(panel.Column(0), Counting(1, 5));
  panel.SetVolts(Cells("a b c d e"));
  ChooseNumber(1);
  EXPECT_EQ(panel.Column(0), Counting(6, 10));
  EXPECT_EQ(panel.Column(1), QStringList(5, QStringLiteral("2")));
  EXPECT_EQ(panel.Column(2), Cells("a b c d e"));
  EXPECT_EQ(Items(panel.start), Counting(6, 10));
  EXPECT_EQ(panel.start->currentText(), QStringLiteral("6"));
  EXPECT_EQ(panel.stop->currentText(), QStringLiteral("10"));
  EXPECT_EQ(panel.runNumber->currentText(), QStringLiteral("2"));

  panel.from->setText(QStringLiteral("9.000"));
  panel.to->setText(QStringLiteral("1.000"));
  panel.voltCheck->setChecked(true);
  editor.OnSetVolts();
  EXPECT_EQ(panel.Column(2), Cells("9.000 7.000 5.000 3.000 1.000"));
}

TEST_F(StepTableEditorTest, ModeChangeEmptiesTheVoltCellsAndKeepsTheIndex) {
  panel.voltCheck->setChecked(true);
  editor.OnSetVolts();
  panel.stepIndex = 7;
  ChooseMode(1);
  EXPECT_EQ(panel.Column(2), QStringList(5, QString()));
  EXPECT_EQ(panel.stepIndex, 7);
  EXPECT_EQ(panel.stop->currentText(), QStringLiteral("5"));
  EXPECT_EQ(panel.runSteps->currentText(), QStringLiteral("5"));
  EXPECT_EQ(Items(panel.runNumber), Counting(1, 2));
  ChooseMode(0);
  EXPECT_EQ(panel.Column(0), Counting(1, 10));
  EXPECT_EQ(Items(panel.number), QStringList{QStringLiteral("1")});
  EXPECT_TRUE(messages.Texts().isEmpty());
}

TEST_F(StepTableEditorTest, InvertedRangesTellAndStand) {
  ChooseStart(QStringLiteral("5"));
  ChooseStop(QStringLiteral("3"));
  EXPECT_EQ(messages.Texts(),
            QStringList{QStringLiteral("The number of end step must be more than start step!")});
  EXPECT_EQ(panel.stop->currentText(), QStringLiteral("3"));
  EXPECT_EQ(panel.runSteps->currentIndex(), -1);

  messages.Clear();
  ChooseStart(QStringLiteral("6"));
  EXPECT_EQ(messages.Texts(),
            QStringList{QStringLiteral("The number of start step must be less than end step!")});
  EXPECT_EQ(panel.start->currentText(), QStringLiteral("6"));
  EXPECT_EQ(panel.runSteps->currentIndex(), -1);

  panel.voltCheck->setChecked(true);
  editor.OnSetVolts();
  EXPECT_EQ(panel.Column(2), QStringList(10, QStringLiteral(" ")));
}

TEST_F(StepTableEditorTest, ModeWithoutStarHasNoGroups) {
  panel.mode->addItem(QStringLiteral("3"));
  ChooseMode(2);
  EXPECT_EQ(panel.number->count(), 0);
  EXPECT_EQ(panel.Column(0), Counting(1, 3));
  EXPECT_EQ(panel.Column(1), QStringList(3, QString()));
}

TEST_F(StepTableEditorTest, SetWithVoltClearOnlyRewinds) {
  panel.SetVolts({QStringLiteral("x")});
  panel.stepIndex = 4;
  editor.OnSetVolts();
  EXPECT_EQ(panel.stepIndex, 0);
  EXPECT_EQ(panel.list->GetItemText(0, 2), QStringLiteral("x"));
  editor.OnClearVolts();
  EXPECT_EQ(panel.list->GetItemText(0, 2), QStringLiteral("x"));
}

TEST_F(StepTableEditorTest, ClearBlanksWithASpaceAndKeepsTheIndex) {
  panel.voltCheck->setChecked(true);
  editor.OnSetVolts();
  panel.stepIndex = 3;
  editor.OnClearVolts();
  EXPECT_EQ(panel.Column(2), QStringList(10, QStringLiteral(" ")));
  EXPECT_EQ(panel.stepIndex, 3);
}

TEST_F(StepTableEditorTest, FromAndToAreReadLikeAtof) {
  panel.voltCheck->setChecked(true);
  panel.from->setText(QStringLiteral("abc"));
  panel.to->setText(QStringLiteral("18V"));
  editor.OnSetVolts();
  EXPECT_EQ(panel.list->GetItemText(0, 2), QStringLiteral("0.000"));
  EXPECT_EQ(panel.list->GetItemText(9, 2), QStringLiteral("18.000"));
}

} // namespace
