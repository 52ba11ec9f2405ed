#include <QApplication>
#include <QCursor>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include "controls/CStepCellEdit.h"
#include "controls/CStepListCtrl.h"

namespace {

TEST(StepListHighlight, Geometry) {
  struct Case {
    QRect label;
    int textWidth;
    bool empty;
    QRect expected;
  };
  const Case cases[] = {
      {QRect(100, 20, 60, 18), 25, false, QRect(104, 20, 31, 18)},
      {QRect(0, 0, 200, 10), 7, true, QRect(4, 0, 47, 10)}, // empty: 41 wide, whatever measured
      {QRect(100, 20, 60, 18), 80, false, QRect(104, 20, 56, 18)}, // cut at the right edge
      {QRect(0, 0, 40, 18), 41, true, QRect(4, 0, 36, 18)},        // narrow column
  };
  for (const Case &c : cases)
    EXPECT_EQ(CStepListCtrl::HighlightRect(c.label, c.textWidth, c.empty), c.expected)
        << c.label.x();
}

// A panel-like window: the step list with its three columns above another control, the pointer
// over the list.
struct ListWindow {
  ListWindow() {
    auto *layout = new QVBoxLayout(&window);
    layout->addWidget(list);
    layout->addWidget(other);
    list->InsertColumn(0, QStringLiteral("Step"), 40);
    list->InsertColumn(1, QStringLiteral("Number"), 60);
    list->InsertColumn(2, QStringLiteral("Volt"), 60);
    list->SetBkColor(QColor(247, 247, 255));
    for (int k = 5; k >= 1; --k) {
      list->InsertItem(0, QString::number(k));
      list->SetItemText(0, 1, QStringLiteral("1"));
    }
    list->SetItemText(0, 2, QStringLiteral("1.000"));
    window.resize(300, 260);
    window.show();
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    QCursor::setPos(list->mapToGlobal(list->rect().center()));
  }
  void Click(int row, int column) {
    const QPoint at = list->visualRect(list->model()->index(row, column)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
  }

  QWidget window;
  CStepListCtrl *list = new CStepListCtrl;
  QLineEdit *other = new QLineEdit;
};

// Scripts of what the operator does (a second click on a cell edits it): "c2.1" clicks row 2,
// column 1; "b" clicks below the rows;
// "=7.5" puts 7.5 into the open editor; "o" gives the focus to another control with the pointer
// outside the list, "k" with the pointer over it (from the keyboard).
TEST(StepListCtrl, ClicksAndFocusMoves) {
  const struct {
    const char *script;
    int row, column;
    bool selected, active, focused, editing;
    int cellRow, cellColumn;
    const char *cell; // the text the cell holds afterwards
  } cases[] = {
      {"c2.2", 2, 2, true, true, true, false, 2, 2, ""},
      {"c0.2 c0.2", 0, 2, true, true, false, true, 0, 2, "1.000"},
      {"c0.2 c0.2 =7.5 c3.1", 3, 1, true, true, true, false, 0, 2, "7.5"},
      {"c1.2 b", 1, 2, false, true, true, false, 1, 2, ""},
      {"c1.2 o", -1, -1, false, false, false, false, 1, 2, ""},
      {"c1.2 k", 1, 2, true, true, false, false, 1, 2, ""},
      {"c4.2 c4.2 =abc o", -1, -1, false, false, false, false, 4, 2, "abc"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.script);
    ListWindow w;
    CStepListCtrl *list = w.list;
    QLineEdit *other = w.other;
    for (const QString &action : QString::fromLatin1(c.script).split(QLatin1Char(' '))) {
      const QString arg = action.mid(1);
      switch (action.at(0).toLatin1()) {
      case 'c':
        w.Click(arg.section(QLatin1Char('.'), 0, 0).toInt(),
                arg.section(QLatin1Char('.'), 1).toInt());
        break;
      case 'b':
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          QPoint(10, list->viewport()->height() - 3));
        break;
      case '=':
        list->CellEditor()->setText(arg);
        break;
      case 'o':
      case 'k':
        QCursor::setPos(action.at(0) == u'o' ? other->mapToGlobal(other->rect().center())
                                             : list->mapToGlobal(list->rect().center()));
        other->setFocus(action.at(0) == u'o' ? Qt::MouseFocusReason : Qt::TabFocusReason);
        break;
      }
      QCoreApplication::processEvents();
    }
    EXPECT_EQ(list->SelectedRow(), c.row);
    EXPECT_EQ(list->SelectedColumn(), c.column);
    EXPECT_EQ(list->IsCellSelected(), c.selected);
    EXPECT_EQ(list->IsActive(), c.active);
    EXPECT_EQ(list->hasFocus(), c.focused);
    EXPECT_EQ(list->CellEditor() != nullptr, c.editing);
    if (c.editing) { // over the cell, its text indented as the cell's, and kept there
      const QPoint at = list->visualRect(list->model()->index(c.row, c.column)).topLeft();
      EXPECT_EQ(list->CellEditor()->pos(), at + QPoint(4, 0));
      list->CellEditor()->move(0, 0);
      EXPECT_EQ(list->CellEditor()->pos(), at + QPoint(4, 0));
    }
    EXPECT_EQ(list->GetItemText(c.cellRow, c.cellColumn), QString::fromLatin1(c.cell));
    if (c.row >= 0) {
      EXPECT_EQ(list->LookOf(c.row, c.column), c.selected ? CStepListCtrl::CellLook::Highlighted
                                                          : CStepListCtrl::CellLook::Framed);
      EXPECT_EQ(list->LookOf(c.row, (c.column + 1) % 3), CStepListCtrl::CellLook::Plain);
    }
  }
}

// From the keyboard, with the pointer away from the list: Tab selects the first Volt cell, the
// arrows move the cell, F2 or Enter opens the editor on it with its text, Enter stores what was
// typed, Escape keeps the cell; the edit ends as a mouse edit ends with the pointer outside
// (selection dropped), and the arrows go on from that cell. Tab leaves the list, also from an
// open editor, whose text is kept.
TEST(StepListCtrl, F2AndEnterEditTheSelectedCell) {
  ListWindow w;
  CStepListCtrl *list = w.list;
  QCursor::setPos(w.other->mapToGlobal(w.other->rect().center()));
  const auto key = [](Qt::Key k) {
    QTest::keyClick(QApplication::focusWidget(), k);
    QCoreApplication::processEvents();
  };
  const auto selected = [list] { return std::pair(list->SelectedRow(), list->SelectedColumn()); };
  w.other->setFocus();
  key(Qt::Key_Tab);
  ASSERT_TRUE(list->hasFocus());
  EXPECT_EQ(selected(), std::pair(0, 2));
  const struct {
    Qt::Key move, open;
    const char *typed;
    Qt::Key end;
    std::pair<int, int> cell;
    const char *stored;
  } cases[] = {{Qt::Key_Down, Qt::Key_F2, "7.5", Qt::Key_Return, {1, 2}, "7.5"},
               {Qt::Key_Up, Qt::Key_Return, "x", Qt::Key_Escape, {0, 2}, "1.000"},
               {Qt::Key_Left, Qt::Key_Enter, "abc", Qt::Key_Enter, {0, 1}, "abc"}};
  for (const auto &c : cases) {
    SCOPED_TRACE(c.typed);
    key(c.move);
    EXPECT_EQ(selected(), c.cell);
    const QString old = list->GetItemText(c.cell.first, c.cell.second);
    key(c.open);
    ASSERT_NE(list->CellEditor(), nullptr);
    EXPECT_TRUE(list->CellEditor()->hasFocus());
    EXPECT_EQ(list->CellEditor()->text(), old);
    list->CellEditor()->clear();
    QTest::keyClicks(list->CellEditor(), QString::fromLatin1(c.typed));
    key(c.end);
    EXPECT_EQ(list->CellEditor(), nullptr);
    EXPECT_EQ(list->GetItemText(c.cell.first, c.cell.second), QString::fromLatin1(c.stored));
    EXPECT_TRUE(list->hasFocus());
    EXPECT_EQ(selected(), std::pair(-1, -1));
  }
  key(Qt::Key_F2);
  QTest::keyClicks(list->CellEditor(), QStringLiteral("2"));
  key(Qt::Key_Tab);
  EXPECT_TRUE(w.other->hasFocus());
  EXPECT_EQ(list->GetItemText(0, 1), QStringLiteral("2"));
}

} // namespace
