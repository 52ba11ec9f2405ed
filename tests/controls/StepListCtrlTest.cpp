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
    const char *name;
    QRect label;
    int textWidth;
    bool empty;
    QRect expected;
  };
  const Case cases[] = {
      {"short text", QRect(100, 20, 60, 18), 25, false, QRect(104, 20, 31, 18)},
      {"empty text is 41 wide", QRect(100, 20, 60, 18), 0, true, QRect(104, 20, 47, 18)},
      {"empty ignores the measured width", QRect(0, 0, 200, 10), 7, true, QRect(4, 0, 47, 10)},
      {"cut at the right edge", QRect(100, 20, 60, 18), 80, false, QRect(104, 20, 56, 18)},
      {"narrow column", QRect(0, 0, 40, 18), 41, true, QRect(4, 0, 36, 18)},
      {"exactly fitting", QRect(10, 0, 40, 18), 20, false, QRect(14, 0, 26, 18)},
  };
  for (const Case &c : cases)
    EXPECT_EQ(CStepListCtrl::HighlightRect(c.label, c.textWidth, c.empty), c.expected) << c.name;
}

// A panel-like window: the step list with its three columns above another control.
class StepListCtrlTest : public ::testing::Test {
protected:
  void SetUp() override {
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
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    CursorOverList();
  }

  QPoint CellCentre(int row, int column) const {
    return list->visualRect(list->model()->index(row, column)).center();
  }
  void Click(int row, int column) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, CellCentre(row, column));
  }
  void ClickBelowRows() {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      QPoint(10, list->viewport()->height() - 3));
  }
  void CursorOverList() { QCursor::setPos(list->mapToGlobal(list->rect().center())); }
  void CursorOutside() { QCursor::setPos(other->mapToGlobal(other->rect().center())); }
  void Type(const QString &text, Qt::Key end) {
    ASSERT_NE(list->CellEditor(), nullptr);
    list->CellEditor()->clear();
    QTest::keyClicks(list->CellEditor(), text);
    QTest::keyClick(list->CellEditor(), end);
    QCoreApplication::processEvents();
  }

  QWidget window;
  CStepListCtrl *list = new CStepListCtrl;
  QLineEdit *other = new QLineEdit;
};

TEST_F(StepListCtrlTest, ListApi) {
  EXPECT_EQ(list->GetItemCount(), 5);
  EXPECT_EQ(list->GetItemText(4, 0), QStringLiteral("5"));
  EXPECT_EQ(list->GetItemText(9, 0), QString());
  EXPECT_FALSE(list->SetItemText(9, 2, QStringLiteral("x")));
  EXPECT_FALSE(list->SetItemText(0, 3, QStringLiteral("x")));
  EXPECT_EQ(list->InsertItem(99, QStringLiteral("end")), 5);
  EXPECT_EQ(list->GetItemText(5, 0), QStringLiteral("end"));
  EXPECT_EQ(list->GetItemText(5, 2), QString());
  EXPECT_EQ(list->model()->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Volt"));
  EXPECT_EQ(list->columnWidth(0), 40);
  list->DeleteAllItems();
  EXPECT_EQ(list->GetItemCount(), 0);
}

TEST_F(StepListCtrlTest, OneClickSelectsTheCell) {
  Click(2, 2);
  EXPECT_TRUE(list->IsActive());
  EXPECT_TRUE(list->IsCellSelected());
  EXPECT_EQ(list->SelectedRow(), 2);
  EXPECT_EQ(list->SelectedColumn(), 2);
  EXPECT_EQ(list->LookOf(2, 2), CStepListCtrl::CellLook::Highlighted);
  EXPECT_EQ(list->LookOf(2, 1), CStepListCtrl::CellLook::Plain);
  EXPECT_EQ(list->CellEditor(), nullptr);
  EXPECT_TRUE(list->hasFocus());
}

TEST_F(StepListCtrlTest, SecondClickEditsOverTheCell) {
  Click(0, 2);
  Click(0, 2);
  CStepCellEdit *editor = list->CellEditor();
  ASSERT_NE(editor, nullptr);
  const QRect cell = list->visualRect(list->model()->index(0, 2));
  EXPECT_EQ(editor->geometry().left(), cell.left() + 4);
  EXPECT_EQ(editor->geometry().top(), cell.top());
  EXPECT_EQ(editor->text(), QStringLiteral("1.000"));
  EXPECT_TRUE(editor->hasFocus());
  EXPECT_TRUE(list->IsCellSelected()) << "the editor's focus keeps the selection";

  // A move the list did not ask for is pulled back over the column.
  editor->move(0, editor->y());
  EXPECT_EQ(editor->x(), cell.left() + 4);
}

// Enter stores the text as typed (even an empty one) and keeps the cell selected; Escape keeps
// the cell's text.
TEST_F(StepListCtrlTest, KeysEndTheEdit) {
  struct Case {
    int row, column;
    const char *typed;
    Qt::Key key;
    const char *stored;
  };
  const Case cases[] = {{0, 2, " 2,5 V", Qt::Key_Return, " 2,5 V"},
                        {1, 0, "99", Qt::Key_Escape, "2"},
                        {0, 2, "", Qt::Key_Enter, ""}};
  for (const Case &c : cases) {
    Click(c.row, c.column);
    Click(c.row, c.column);
    Type(QString::fromLatin1(c.typed), c.key);
    EXPECT_EQ(list->GetItemText(c.row, c.column), QString::fromLatin1(c.stored)) << c.typed;
    EXPECT_EQ(list->CellEditor(), nullptr) << c.typed;
    EXPECT_TRUE(list->IsCellSelected()) << c.typed;
    EXPECT_TRUE(list->hasFocus()) << c.typed;
  }
}

TEST_F(StepListCtrlTest, ClickOnAnotherCellFirstStoresTheEdit) {
  Click(0, 2);
  Click(0, 2);
  list->CellEditor()->setText(QStringLiteral("7.5"));
  Click(3, 1);
  QCoreApplication::processEvents();
  EXPECT_EQ(list->GetItemText(0, 2), QStringLiteral("7.5"));
  EXPECT_EQ(list->GetItemText(3, 1), QStringLiteral("1"));
  EXPECT_EQ(list->SelectedRow(), 3);
  EXPECT_EQ(list->SelectedColumn(), 1);
  EXPECT_TRUE(list->IsCellSelected());
  EXPECT_EQ(list->CellEditor(), nullptr);
}

TEST_F(StepListCtrlTest, ClickBesideTheRowsMarks) {
  Click(1, 2);
  ClickBelowRows();
  EXPECT_FALSE(list->IsCellSelected());
  EXPECT_EQ(list->SelectedRow(), 1);
  EXPECT_EQ(list->LookOf(1, 2), CStepListCtrl::CellLook::Framed);
  // Marked, a click on the same cell selects it again instead of editing.
  Click(1, 2);
  EXPECT_TRUE(list->IsCellSelected());
  EXPECT_EQ(list->CellEditor(), nullptr);
}

TEST_F(StepListCtrlTest, ClickBesideTheRowsWhileEditingStoresAndStaysSelected) {
  Click(1, 2);
  Click(1, 2);
  list->CellEditor()->setText(QStringLiteral("4.4"));
  ClickBelowRows();
  QCoreApplication::processEvents();
  EXPECT_EQ(list->GetItemText(1, 2), QStringLiteral("4.4"));
  EXPECT_TRUE(list->IsCellSelected());
  EXPECT_EQ(list->CellEditor(), nullptr);
}

TEST_F(StepListCtrlTest, FocusToAnotherControlWithTheCursorOutsideDropsTheSelection) {
  Click(1, 2);
  CursorOutside();
  other->setFocus(Qt::MouseFocusReason);
  QCoreApplication::processEvents();
  EXPECT_EQ(list->SelectedRow(), -1);
  EXPECT_EQ(list->SelectedColumn(), -1);
  EXPECT_FALSE(list->IsActive());
  EXPECT_FALSE(list->IsCellSelected());
}

TEST_F(StepListCtrlTest, FocusLeavingWithTheCursorOverTheListKeepsTheSelection) {
  Click(1, 2);
  other->setFocus(Qt::TabFocusReason);
  QCoreApplication::processEvents();
  EXPECT_EQ(list->SelectedRow(), 1);
  EXPECT_TRUE(list->IsCellSelected());
}

TEST_F(StepListCtrlTest, EditEndedByAnotherControlStoresAndDropsTheSelection) {
  Click(4, 2);
  Click(4, 2);
  list->CellEditor()->setText(QStringLiteral("abc"));
  CursorOutside();
  other->setFocus(Qt::MouseFocusReason);
  QCoreApplication::processEvents();
  EXPECT_EQ(list->GetItemText(4, 2), QStringLiteral("abc"));
  EXPECT_EQ(list->CellEditor(), nullptr);
  EXPECT_EQ(list->SelectedRow(), -1);
  EXPECT_FALSE(list->IsActive());
}

TEST_F(StepListCtrlTest, HighlightIsPaintedAsWideAsTheText) {
  list->SetItemText(2, 2, QString());
  Click(2, 2);
  const QImage image = list->viewport()->grab().toImage();
  const QRect cell = list->visualRect(list->model()->index(2, 2));
  const QRect highlight = CStepListCtrl::HighlightRect(cell, 0, true);
  const QColor highlightColour = list->palette().color(QPalette::Highlight);
  const int y = cell.center().y();
  EXPECT_EQ(image.pixelColor(highlight.left() + 2, y), highlightColour);
  EXPECT_EQ(image.pixelColor(highlight.right() - 2, y), highlightColour);
  EXPECT_EQ(image.pixelColor(cell.left() + 1, y), QColor(247, 247, 255));
  EXPECT_EQ(image.pixelColor(highlight.right() + 3, y), QColor(247, 247, 255));
  // The row's other cells are drawn normally.
  const QRect number = list->visualRect(list->model()->index(2, 1));
  EXPECT_EQ(image.pixelColor(number.right() - 3, y), QColor(247, 247, 255));
}

TEST_F(StepListCtrlTest, LongTextEndsInAnEllipsis) {
  // The painter elides to the cell less its indent: drawn, the text keeps to its cell.
  list->SetItemText(0, 0, QStringLiteral("123456789012345"));
  const QImage image = list->viewport()->grab().toImage();
  const QRect step = list->visualRect(list->model()->index(0, 0));
  const QRect number = list->visualRect(list->model()->index(0, 1));
  // Column 1 holds "1" at its left + 6: nothing of column 0's text may reach its first pixels.
  for (int x = number.left() + 1; x < number.left() + 5; ++x)
    for (int y = number.top() + 1; y < number.bottom(); ++y)
      ASSERT_EQ(image.pixelColor(x, y), QColor(247, 247, 255)) << x << "," << y;
  EXPECT_LT(step.width(), list->fontMetrics().horizontalAdvance(list->GetItemText(0, 0)));
}

} // namespace
