// The controls driven from the keyboard alone: knob, keypads and step list.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <cmath>
#include <numeric>

#include "controls/CKeypadCh1Dlg.h"
#include "controls/CKeypadCh2Dlg.h"
#include "controls/CStepCellEdit.h"
#include "controls/CStepListCtrl.h"
#include "controls/CVoltEdit.h"
#include "controls/CVoltKnob.h"
#include "controls/IKnobHost.h"
#include "controls/KeypadKeys.h"
#include "controls/KnobKeys.h"
#include "controls/StepCellKeys.h"
#include "platform/CDialogBuilder.h"
#include "resources/ControlIds.h"
#include "tests/support/TestHelpers.h"

namespace {

// One knob of channel 0 and its set-point box, as the panel hands them over.
struct KnobRig : IKnobHost {
  KnobRig() {
    edit->setGeometry(0, 0, 80, 20);
    knob->setGeometry(100, 0, 88, 88);
    knob->SetHost(this);
    state.SetOn(1);
    state.SetColor(kColorCh1);
    window.show();
  }
  const CChannelState &KnobChannelState(int) const override { return state; }
  void SetKnobStep(int, std::int16_t step) override { state.SetKnobStep(step); }
  QString KnobSetPointText(int) const override { return text; }
  void SetKnobSetPointText(int, const QString &t) override { text = t; }
  CVoltEdit *KnobSetPointEdit(int) override { return edit; }
  // A click in the middle of the digit's sector.
  void Touch(int digit) {
    const double theta =
        ((digit * 100.0 / 9 + 100.0 / 18) / 1.3333333333333333 - 37.5) / 15.915494309189535;
    const QPoint at(44 + static_cast<int>(std::lround(30 * std::sin(theta))),
                    44 - static_cast<int>(std::lround(30 * std::cos(theta))));
    QTest::mouseClick(knob, Qt::LeftButton, {}, at);
  }

  QWidget window;
  CVoltEdit *edit = new CVoltEdit(&window);
  CVoltKnob *knob = new CVoltKnob(&window);
  CChannelState state;
  QString text;
};

} // namespace

TEST(KeyboardRules, KnobKeyTurnsFromThePointer) {
  struct Case {
    int key;
    const char *text;
    int knobStep;
    int digit;
  };
  const Case cases[] = {
      {Qt::Key_Up, "", -1, 9},    {Qt::Key_Down, "", -1, 8},   {Qt::Key_Plus, "+", 4, 6},
      {Qt::Key_Minus, "-", 4, 4}, {Qt::Key_Right, "", 0, 9},   {Qt::Key_Left, "", 9, 0},
      {Qt::Key_Left, "", 3, 5},   {Qt::Key_7, "7", 9, 7},      {Qt::Key_0, "0", -1, 0},
      {Qt::Key_A, "a", 4, -1},    {Qt::Key_Space, " ", 4, -1},
  };
  for (const Case &c : cases)
    EXPECT_EQ(controls::KnobKeyDigit(c.key, QString::fromLatin1(c.text), c.knobStep), c.digit)
        << c.key << " from step " << c.knobStep;
}

TEST(KeyboardRules, KeypadKeyPressesItsButton) {
  struct Case {
    int key;
    const char *text;
    int id;
  };
  const Case cases[] = {
      {Qt::Key_0, "0", ctl::kKey0},
      {Qt::Key_1, "1", ctl::kKey1},
      {Qt::Key_9, "9", ctl::kKey9},
      {Qt::Key_Period, ".", ctl::kKeyPoint},
      {Qt::Key_Comma, ",", ctl::kKeyPoint},
      {Qt::Key_Backspace, "\b", ctl::kKeyClear},
      {Qt::Key_Delete, "", ctl::kKeyClear},
      {Qt::Key_Return, "\r", ctl::kKeySet},
      {Qt::Key_Enter, "\r", ctl::kKeySet},
      {Qt::Key_A, "a", 0},
      {Qt::Key_Plus, "+", 0},
      {Qt::Key_Space, " ", 0},
  };
  for (const Case &c : cases)
    EXPECT_EQ(controls::KeypadKeyControl(c.key, QString::fromLatin1(c.text)), c.id) << c.text;
}

TEST(KeyboardRules, StepCellMoves) {
  using controls::StepCell;
  struct Case {
    int key;
    StepCell from;
    int rows;
    std::optional<StepCell> to;
  };
  const Case cases[] = {
      {Qt::Key_Down, {}, 10, StepCell{0, 2}},      {Qt::Key_Home, {}, 10, StepCell{0, 2}},
      {Qt::Key_Down, {3, 1}, 10, StepCell{4, 1}},  {Qt::Key_Up, {0, 1}, 10, StepCell{0, 1}},
      {Qt::Key_Down, {9, 2}, 10, StepCell{9, 2}},  {Qt::Key_Left, {3, 0}, 10, StepCell{3, 0}},
      {Qt::Key_Right, {3, 2}, 10, StepCell{3, 2}}, {Qt::Key_Right, {3, 0}, 10, StepCell{3, 1}},
      {Qt::Key_End, {3, 1}, 10, StepCell{9, 1}},   {Qt::Key_Home, {7, 0}, 10, StepCell{0, 0}},
      {Qt::Key_Down, {}, 0, std::nullopt},         {Qt::Key_F2, {3, 1}, 10, std::nullopt},
  };
  for (const Case &c : cases)
    EXPECT_EQ(controls::MoveStepCell(c.key, c.from, c.rows, 3), c.to)
        << c.key << " from " << c.from.row << "," << c.from.column;
}

// Each knob key touches the digit it turns to, as a click there does, and leaves the focus on
// the knob; with the channel off keys change nothing.
TEST(KnobKeys, KeysTouchAsTheMouseDoes) {
  const std::pair<Qt::Key, const char *> keys[] = {
      {Qt::Key_5, "5"}, {Qt::Key_Down, ""},  {Qt::Key_Down, ""},
      {Qt::Key_Up, ""}, {Qt::Key_Plus, "+"}, {Qt::Key_Plus, "+"},
      {Qt::Key_9, "9"}, {Qt::Key_Left, ""},  {Qt::Key_Right, ""}};
  KnobRig byKeys;
  KnobRig byMouse;
  byKeys.window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&byKeys.window));
  byKeys.knob->setFocus(Qt::TabFocusReason);
  for (const auto &[key, text] : keys) {
    const int digit =
        controls::KnobKeyDigit(key, QString::fromLatin1(text), byKeys.state.GetKnobStep());
    QTest::keyClick(byKeys.knob, key);
    byMouse.Touch(digit);
    SCOPED_TRACE(byKeys.text.toStdString());
    EXPECT_EQ(byKeys.text, byMouse.text);
    EXPECT_EQ(byKeys.edit->text(), byMouse.edit->text());
    EXPECT_EQ(byKeys.edit->GetSel(), byMouse.edit->GetSel());
    EXPECT_EQ(byKeys.state.GetKnobStep(), byMouse.state.GetKnobStep());
    EXPECT_EQ(byKeys.knob->Entry().DigitCount(), byMouse.knob->Entry().DigitCount());
  }
  EXPECT_TRUE(byKeys.knob->hasFocus());
  EXPECT_NE(byKeys.text, QString()) << "the keys must have typed something";

  byKeys.state.SetOn(0);
  const QString text = byKeys.text;
  const int step = byKeys.state.GetKnobStep();
  QTest::keyClick(byKeys.knob, Qt::Key_Up);
  QTest::keyClick(byKeys.knob, Qt::Key_3);
  EXPECT_EQ(byKeys.text, text);
  EXPECT_EQ(byKeys.state.GetKnobStep(), step);
}

// The focus frame shows on the window only; the face image is the same with and without it.
TEST(KnobKeys, FocusIsShownWithoutChangingTheFace) {
  KnobRig rig;
  rig.window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&rig.window));
  rig.edit->setFocus();
  const QImage face = rig.knob->DrawFace().copy();
  const QImage plain = rig.knob->grab().toImage();
  rig.knob->setFocus(Qt::TabFocusReason);
  ASSERT_TRUE(rig.knob->hasFocus());
  EXPECT_EQ(rig.knob->DrawFace(), face);
  EXPECT_NE(rig.knob->grab().toImage(), plain);
}

namespace {

// Presses the keys of `keys` ('B' for Backspace) by clicking the buttons or typing them.
void Compose(CKeypadDlg &dlg, const char *keys, bool typed) {
  for (const char *k = keys; *k; ++k) {
    const Qt::Key key = *k == 'B' ? Qt::Key_Backspace : static_cast<Qt::Key>(*k);
    const QString text = *k == 'B' ? QStringLiteral("\b") : QString(QLatin1Char(*k));
    if (typed) {
      QTest::keyClick(QApplication::focusWidget(), key, Qt::NoModifier);
    } else {
      const int id = controls::KeypadKeyControl(key, text);
      QTest::mouseClick(platform::DlgItem<QPushButton>(&dlg, id), Qt::LeftButton);
    }
  }
}

} // namespace

// Typed keys give the same text as clicks on the matching buttons, and Enter sets it.
TEST(KeypadKeys, TypedKeysEqualClicks) {
  const char *const sequences[] = {"5.2501", "9.4", "5..3", ".7", "3.1B6.25", "0,75"};
  for (const char *keys : sequences) {
    SCOPED_TRACE(keys);
    QWidget owner;
    auto *target = new CVoltEdit(&owner);
    CKeypadCh1Dlg clicked(&owner, target);
    CKeypadCh2Dlg typed(&owner, target);
    clicked.show();
    Compose(clicked, keys, false);
    typed.show();
    typed.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&typed));
    platform::GetDlgItem(&typed, ctl::kKey5)->setFocus();
    Compose(typed, keys, true);
    EXPECT_EQ(typed.Result(), clicked.Result());
    EXPECT_EQ(platform::GetDlgItemText(&typed, ctl::kKeyResult),
              platform::GetDlgItemText(&clicked, ctl::kKeyResult));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(typed.result(), QDialog::Accepted);
    EXPECT_EQ(target->text(), clicked.Result());
  }
}

// Tab walks the buttons and the result box in template order: the keys 1075 ... 1086 run in
// id order, CH1 has SET after them, CH2 before them.
TEST(KeypadKeys, TabFollowsTheTemplateOrder) {
  QWidget owner;
  auto *target = new CVoltEdit(&owner);
  CKeypadCh1Dlg ch1(&owner, target);
  CKeypadCh2Dlg ch2(&owner, target);
  for (QDialog *dlg : {static_cast<QDialog *>(&ch1), static_cast<QDialog *>(&ch2)}) {
    std::vector<int> order(12);
    std::iota(order.begin(), order.end(), int{ctl::kKey1});
    order.insert(dlg == &ch1 ? order.end() : order.begin(), ctl::kKeySet);
    order.push_back(ctl::kKeyResult);
    dlg->show();
    dlg->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dlg));
    platform::GetDlgItem(dlg, order.front())->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
    std::vector<int> visited;
    for (std::size_t i = 0; i <= order.size(); ++i) {
      visited.push_back(platform::GetDlgCtrlID(QApplication::focusWidget()));
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    order.push_back(order.front()); // and round again
    EXPECT_EQ(visited, order) << dlg->windowTitle().toStdString();
    dlg->hide();
  }
}

namespace {

// The step list above another control, driven with the mouse cursor away from the list.
class StepListKeys : public ::testing::Test {
protected:
  void SetUp() override {
    auto *layout = new QVBoxLayout(&window);
    layout->addWidget(before);
    layout->addWidget(list);
    layout->addWidget(after);
    for (const char *heading : {"Step", "Number", "Volt"})
      list->InsertColumn(list->model()->columnCount(), QString::fromLatin1(heading), 50);
    for (int k = 5; k >= 1; --k) {
      list->InsertItem(0, QString::number(k));
      list->SetItemText(0, 2, QStringLiteral("%1.000").arg(k));
    }
    window.resize(300, 300);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QCursor::setPos(after->mapToGlobal(after->rect().center()));
    before->setFocus();
  }
  void Key(Qt::Key key) {
    QTest::keyClick(QApplication::focusWidget(), key);
    QCoreApplication::processEvents();
  }
  std::pair<int, int> Selected() const { return {list->SelectedRow(), list->SelectedColumn()}; }

  QWidget window;
  QLineEdit *before = new QLineEdit;
  CStepListCtrl *list = new CStepListCtrl;
  QLineEdit *after = new QLineEdit;
};

} // namespace

// Tab selects the first Volt cell, the arrows move the cell, F2 or Enter opens the editor on it
// with its text, Enter stores what was typed, Escape keeps the cell; the edit ends as a mouse
// edit ends with the cursor outside (selection dropped), and the arrows go on from that cell.
TEST_F(StepListKeys, F2AndEnterEditTheSelectedCell) {
  Key(Qt::Key_Tab);
  ASSERT_TRUE(list->hasFocus());
  EXPECT_EQ(Selected(), std::make_pair(0, 2));
  EXPECT_EQ(list->LookOf(0, 2), CStepListCtrl::CellLook::Highlighted);
  struct Case {
    Qt::Key move, open;
    const char *typed;
    Qt::Key end;
    std::pair<int, int> cell;
    const char *stored;
  };
  const Case cases[] = {{Qt::Key_Down, Qt::Key_F2, "7.5", Qt::Key_Return, {1, 2}, "7.5"},
                        {Qt::Key_Down, Qt::Key_Return, "x", Qt::Key_Escape, {2, 2}, "3.000"},
                        {Qt::Key_Left, Qt::Key_Enter, "", Qt::Key_Enter, {2, 1}, ""},
                        {Qt::Key_End, Qt::Key_F2, "abc", Qt::Key_Return, {4, 1}, "abc"}};
  for (const Case &c : cases) {
    SCOPED_TRACE(c.typed);
    Key(c.move);
    EXPECT_EQ(Selected(), c.cell);
    const QString old = list->GetItemText(c.cell.first, c.cell.second);
    Key(c.open);
    ASSERT_NE(list->CellEditor(), nullptr);
    EXPECT_TRUE(list->CellEditor()->hasFocus());
    EXPECT_EQ(list->CellEditor()->text(), old);
    list->CellEditor()->clear();
    QTest::keyClicks(list->CellEditor(), QString::fromLatin1(c.typed));
    Key(c.end);
    EXPECT_EQ(list->CellEditor(), nullptr);
    EXPECT_EQ(list->GetItemText(c.cell.first, c.cell.second), QString::fromLatin1(c.stored));
    EXPECT_TRUE(list->hasFocus());
    EXPECT_EQ(Selected(), std::make_pair(-1, -1));
  }
  // Tab leaves the list, also from an open editor, whose text is kept.
  Key(Qt::Key_F2);
  QTest::keyClicks(list->CellEditor(), QStringLiteral("2"));
  Key(Qt::Key_Tab);
  EXPECT_TRUE(after->hasFocus());
  EXPECT_EQ(list->GetItemText(4, 1), QStringLiteral("2"));
}
