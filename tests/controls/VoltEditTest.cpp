#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QWheelEvent>
#include <memory>

#include "controls/CIntEdit.h"
#include "controls/CVoltEdit.h"
#include "tests/support/MessageCapture.h"

using controls::MakeSel;

namespace {

void Wheel(QWidget *target, int delta) {
  const QPointF at(target->width() / 2.0, target->height() / 2.0);
  QWheelEvent e(at, target->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(target, &e);
}

} // namespace

TEST(VoltEdit, TypingFollowsTheFilter) {
  CVoltEdit edit;
  QTest::keyClicks(&edit, QStringLiteral("55.1234"));
  EXPECT_EQ(edit.text(), QStringLiteral("5.123"));
  QTest::keyClick(&edit, Qt::Key_Backspace);
  EXPECT_EQ(edit.text(), QStringLiteral("5.12"));
  QTest::keyClicks(&edit, QStringLiteral("a- ."));
  EXPECT_EQ(edit.text(), QStringLiteral("5.12"));
}

TEST(VoltEdit, ZeroPointThenLowDigitGivesMinimumWithCaretAtStart) {
  for (char d = '0'; d <= '5'; ++d) {
    CVoltEdit edit;
    QTest::keyClicks(&edit, QStringLiteral("0."));
    QTest::keyClick(&edit, d);
    EXPECT_EQ(edit.text(), QStringLiteral("0.600")) << d;
    EXPECT_EQ(edit.cursorPosition(), 0);
  }
  CVoltEdit edit;
  QTest::keyClicks(&edit, QStringLiteral("0.6"));
  EXPECT_EQ(edit.text(), QStringLiteral("0.6"));
}

TEST(VoltEdit, NineAndPointThenDigitGivesMaximum) {
  CVoltEdit edit;
  QTest::keyClicks(&edit, QStringLiteral("9.3"));
  EXPECT_EQ(edit.text(), QStringLiteral("9.000"));
}

TEST(VoltEdit, RulesLookAtTheWholeTextNotTheCaret) {
  CVoltEdit edit;
  edit.setText(QStringLiteral("5.1"));
  QTest::keyClick(&edit, Qt::Key_Home);
  QTest::keyClick(&edit, '5');
  EXPECT_EQ(edit.text(), QStringLiteral("55.1"));
}

TEST(VoltEdit, ReadOnlyBoxIsStillRewrittenButInsertsNothing) {
  CVoltEdit edit;
  edit.setReadOnly(true);
  edit.setText(QStringLiteral("9."));
  QTest::keyClick(&edit, '4');
  EXPECT_EQ(edit.text(), QStringLiteral("9.000"));
  edit.setText(QStringLiteral("5."));
  QTest::keyClick(&edit, '4');
  QTest::keyClick(&edit, Qt::Key_Backspace);
  EXPECT_EQ(edit.text(), QStringLiteral("5."));
}

TEST(VoltEdit, SetValueShowsThreeDecimals) {
  const std::pair<float, const char *> cases[] = {
      {1.0f, "1.000"}, {9.0f, "9.000"}, {2.3f, "2.300"}, {-1.25f, "-1.250"}, {12.5f, "12.500"}};
  CVoltEdit edit;
  edit.SetTypingLimit(5); // a typing limit never cuts program text
  for (const auto &[value, text] : cases) {
    edit.SetValue(value);
    EXPECT_EQ(edit.text(), QString::fromLatin1(text));
    EXPECT_EQ(edit.cursorPosition(), 0);
  }
}

TEST(VoltEdit, EditShortcutsDoNothingButContextMenuPasteWorks) {
  CVoltEdit edit;
  QApplication::clipboard()->setText(QStringLiteral("abc"));
  QTest::keyClicks(&edit, QStringLiteral("5.1"));
  edit.selectAll();
  QTest::keyClick(&edit, Qt::Key_X, Qt::ControlModifier);
  QTest::keyClick(&edit, Qt::Key_Delete, Qt::ShiftModifier);
  EXPECT_EQ(edit.text(), QStringLiteral("5.1"));
  QTest::keyClick(&edit, Qt::Key_C, Qt::ControlModifier);
  QTest::keyClick(&edit, Qt::Key_Insert, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("abc"));
  edit.deselect();
  QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
  QTest::keyClick(&edit, Qt::Key_Insert, Qt::ShiftModifier);
  QTest::keyClick(&edit, Qt::Key_Z, Qt::ControlModifier);
  QTest::keyClick(&edit, Qt::Key_Backspace, Qt::AltModifier);
  EXPECT_EQ(edit.text(), QStringLiteral("5.1"));
  QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
  EXPECT_FALSE(edit.hasSelectedText());

  // The context menu's paste is not filtered.
  edit.setCursorPosition(3);
  std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
  QAction *paste = nullptr;
  for (QAction *action : menu->actions())
    if (action->text().remove(QLatin1Char('&')).startsWith(QStringLiteral("Paste")))
      paste = action;
  ASSERT_NE(paste, nullptr);
  ASSERT_TRUE(paste->isEnabled());
  paste->trigger();
  EXPECT_EQ(edit.text(), QStringLiteral("5.1abc"));
}

TEST(VoltEdit, TypingLimitAppliesToTypingOnly) {
  CIntEdit edit;
  edit.SetTypingLimit(3);
  QTest::keyClicks(&edit, QStringLiteral("1234"));
  EXPECT_EQ(edit.text(), QStringLiteral("123"));
  edit.setSelection(1, 1);
  QTest::keyClick(&edit, '9'); // replaces the selection: stays within the limit
  EXPECT_EQ(edit.text(), QStringLiteral("193"));
  edit.setText(QStringLiteral("12345"));
  EXPECT_EQ(edit.text(), QStringLiteral("12345"));
}

TEST(VoltEdit, SelectionReadAndSetAsThePlatformEdit) {
  CVoltEdit edit;
  edit.setText(QStringLiteral("5.123"));
  edit.SetSel(2, 3);
  EXPECT_EQ(edit.GetSel(), MakeSel(2, 3));
  EXPECT_EQ(edit.cursorPosition(), 3);
  edit.SetSel(4, 2); // reversed: the caret goes to the end position
  EXPECT_EQ(edit.GetSel(), MakeSel(2, 4));
  EXPECT_EQ(edit.cursorPosition(), 2);
  edit.SetSel(5, 6);
  EXPECT_EQ(edit.GetSel(), MakeSel(5, 5));
  EXPECT_FALSE(edit.hasSelectedText());
}

class WheelWalkTest : public ::testing::Test {
protected:
  void SetUp() override {
    window.resize(300, 100);
    set1 = new CVoltEdit(&window);
    set1->setGeometry(0, 0, 80, 20);
    set1->SetWheelWalk(true);
    range = new CVoltEdit(&window);
    range->setGeometry(100, 0, 80, 20);
    button = new QPushButton(&window);
    button->setGeometry(200, 0, 80, 20);
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    set1->setText(QStringLiteral("5.123"));
    range->setText(QStringLiteral("1.000"));
  }
  QWidget window;
  CVoltEdit *set1 = nullptr;
  CVoltEdit *range = nullptr;
  QPushButton *button = nullptr;
};

TEST_F(WheelWalkTest, ForwardNotchesWalkRightThenStayOnLastCharacter) {
  set1->setFocus();
  set1->SetSel(2, 3);
  const controls::SelWord expected[] = {MakeSel(3, 4), MakeSel(4, 5), MakeSel(5, 5), MakeSel(4, 5),
                                        MakeSel(4, 5)};
  for (const controls::SelWord want : expected) {
    Wheel(set1, 120);
    EXPECT_EQ(set1->GetSel(), want);
  }
  EXPECT_EQ(set1->cursorPosition(), 5);
}

TEST_F(WheelWalkTest, BackwardNotchesWalkLeftAndStop) {
  set1->setFocus();
  set1->SetSel(4, 5);
  const controls::SelWord expected[] = {MakeSel(3, 4), MakeSel(2, 3), MakeSel(1, 2), MakeSel(0, 1),
                                        MakeSel(0, 1)};
  for (const controls::SelWord want : expected) {
    Wheel(set1, -120);
    EXPECT_EQ(set1->GetSel(), want);
  }
  EXPECT_EQ(set1->WheelSel(), MakeSel(0, 1));
}

TEST_F(WheelWalkTest, OtherBoxesAndOtherFocusAreLeftAlone) {
  range->setFocus();
  range->SetSel(1, 2);
  set1->SetSel(2, 3);
  Wheel(range, 120);
  Wheel(set1, 120);
  EXPECT_EQ(range->GetSel(), MakeSel(1, 2));
  EXPECT_EQ(set1->GetSel(), MakeSel(2, 3));
  button->setFocus();
  Wheel(set1, -120);
  EXPECT_EQ(set1->GetSel(), MakeSel(2, 3));
  EXPECT_EQ(set1->WheelSel(), 0u);
}

TEST_F(WheelWalkTest, WheelOverAnotherBoxWalksTheFocusedSetPointBox) {
  set1->setFocus();
  set1->SetSel(2, 3);
  Wheel(range, 120);
  EXPECT_EQ(set1->GetSel(), MakeSel(3, 4));
  EXPECT_EQ(range->WheelSel(), 0u);
}

TEST(IntEdit, WarnsAboutNonDigitsAndInsertsThemAnyway) {
  MessageCapture capture;
  CIntEdit edit;
  QTest::keyClicks(&edit, QStringLiteral("1000"));
  EXPECT_TRUE(capture.Texts().isEmpty());
  QTest::keyClick(&edit, '.');
  ASSERT_EQ(capture.Texts(), QStringList{QStringLiteral("Please input interger!")});
  EXPECT_EQ(edit.text(), QStringLiteral("1000."));
  QTest::keyClick(&edit, Qt::Key_Backspace);
  EXPECT_EQ(capture.Texts().size(), 1);
  EXPECT_EQ(edit.text(), QStringLiteral("1000"));
  QTest::keyClicks(&edit, QStringLiteral("a "));
  EXPECT_EQ(capture.Texts().size(), 3);
  EXPECT_EQ(edit.text(), QStringLiteral("1000a "));
}
