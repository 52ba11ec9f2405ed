#include "controls/CStepListCtrl.h"

#include <QApplication>
#include <QCursor>
#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

#include "controls/CStepCellEdit.h"
#include "core/CStepTable.h"
#include "platform/ColourContrast.h"
#include "platform/CrtText.h"

namespace {

constexpr int kVoltColumn = 2;
constexpr int kTextIndent = 6;
constexpr int kHighlightIndent = 4;
constexpr int kEmptyTextWidth = 41;

// Draws every cell the list's way: left-aligned text with an ellipsis, the selected cell
// highlighted as wide as its text and framed by a focus rectangle.
class StepCellPainter : public QStyledItemDelegate {
public:
  explicit StepCellPainter(CStepListCtrl *list) : QStyledItemDelegate(list), m_list(list) {}

  void paint(QPainter *painter, const QStyleOptionViewItem &option,
             const QModelIndex &index) const override {
    const QRect cell = option.rect;
    const QString text = index.data(Qt::DisplayRole).toString();
    const QFontMetrics metrics(option.font);
    const int width = text.isEmpty() ? kEmptyTextWidth : metrics.horizontalAdvance(text);
    const QRect highlight = CStepListCtrl::HighlightRect(cell, width, text.isEmpty());
    painter->save();
    // The list's background is fixed light; a dark palette's light text would vanish on it.
    const QColor ink = platform::LegibleInk(
        option.palette.color(QPalette::Text), option.palette.color(QPalette::Base),
        platform::kTextContrast, option.palette.color(QPalette::WindowText));
    QColor textColor = ink;
    const auto look = m_list->LookOf(index.row(), index.column());
    if (look == CStepListCtrl::CellLook::Highlighted) {
      painter->fillRect(highlight, option.palette.color(QPalette::Highlight));
      textColor = option.palette.color(QPalette::HighlightedText);
    }
    if (look != CStepListCtrl::CellLook::Plain && highlight.width() > 0) {
      painter->setPen(QPen(ink, 1, Qt::DotLine));
      painter->drawRect(highlight.adjusted(0, 0, -1, -1));
    }
    // The editor covers the cell being edited; its old text must not show beside it.
    if (!m_list->IsEditingCell(index.row(), index.column())) {
      const QRect textRect = cell.adjusted(kTextIndent, 0, 0, 0);
      painter->setPen(textColor);
      painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                        metrics.elidedText(text, Qt::ElideRight, textRect.width()));
    }
    painter->restore();
  }

private:
  CStepListCtrl *m_list;
};

} // namespace

CStepListCtrl::CStepListCtrl(QWidget *parent) : QTableView(parent) {
  SetTable(new CStepTable(this));
  setItemDelegate(new StepCellPainter(this));
  setSelectionMode(QAbstractItemView::NoSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  // The list takes the focus itself inside the click, after ending an open edit; Qt's
  // focus-on-press would end the edit before the click is seen.
  setFocusPolicy(Qt::TabFocus);
  // Tab leaves the list for the next control; the arrow keys move between cells.
  setTabKeyNavigation(false);
  setShowGrid(true);
  setWordWrap(false);
  verticalHeader()->setVisible(false);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
  horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
  horizontalHeader()->setHighlightSections(false);
}

CStepListCtrl::~CStepListCtrl() = default;

void CStepListCtrl::SetTable(CStepTable *table) {
  EndEdit(false);
  if (m_pTable)
    m_pTable->disconnect(this);
  m_pTable = table;
  setModel(table);
  // A row inserted above the edited one moves it down; emptying the table ends the edit.
  connect(table, &QAbstractItemModel::rowsInserted, this, [this](const QModelIndex &, int first) {
    if (m_editCell && m_nEditRow >= first)
      ++m_nEditRow;
  });
  connect(table, &QAbstractItemModel::modelAboutToBeReset, this, [this] { EndEdit(false); });
}

int CStepListCtrl::InsertColumn(int column, const QString &heading, int width) {
  column = m_pTable->InsertColumn(column, heading);
  setColumnWidth(column, width);
  return column;
}

void CStepListCtrl::SetBkColor(const QColor &color) {
  QPalette palette = this->palette();
  palette.setColor(QPalette::Base, color);
  setPalette(palette);
}

int CStepListCtrl::GetItemCount() const {
  return m_pTable->GetItemCount();
}

QString CStepListCtrl::GetItemText(int row, int column) const {
  return m_pTable->GetItemText(row, column);
}

bool CStepListCtrl::SetItemText(int row, int column, const QString &text) {
  return m_pTable->SetItemText(row, column, text);
}

int CStepListCtrl::InsertItem(int row, const QString &text) {
  return m_pTable->InsertItem(row, text);
}

void CStepListCtrl::DeleteAllItems() {
  m_pTable->DeleteAllItems();
}

void CStepListCtrl::SetStepFileReader(StepFileReader reader) {
  m_reader = std::move(reader);
}

bool CStepListCtrl::ReadStepFile(const QString &name) {
  if (!m_reader)
    return false;
  std::optional<std::vector<float>> volts = m_reader(name, GetItemCount());
  if (!volts)
    return false;
  m_loadedVolts = std::move(*volts);
  RefillVoltColumn();
  return true;
}

void CStepListCtrl::RefillVoltColumn() {
  if (m_loadedVolts.empty()) {
    for (int row = 0; row < m_nBlankRows; ++row)
      SetItemText(row, kVoltColumn, QString());
    return;
  }
  const std::size_t first = m_nFirstLoaded > 1 ? static_cast<std::size_t>(m_nFirstLoaded) - 1 : 0;
  int row = 0;
  for (std::size_t i = first; i < m_loadedVolts.size() && row < GetItemCount(); ++i, ++row)
    SetItemText(row, kVoltColumn, crt::Format3fQ(static_cast<double>(m_loadedVolts[i])));
}

QRect CStepListCtrl::HighlightRect(const QRect &label, int textWidth, bool textEmpty) {
  const int width = textEmpty ? kEmptyTextWidth : textWidth;
  const int left = label.left() + kHighlightIndent;
  // QRect's right() is inclusive; the cut is at the label's right edge.
  const int right = qMin(left + width + 6, label.right() + 1);
  return QRect(QPoint(left, label.top()), QPoint(right - 1, label.bottom()));
}

CStepListCtrl::CellLook CStepListCtrl::LookOf(int row, int column) const {
  if (!m_bActive || row != m_nSelRow || column != m_nSelCol)
    return CellLook::Plain;
  return m_bCellSelected ? CellLook::Highlighted : CellLook::Framed;
}

bool CStepListCtrl::IsEditingCell(int row, int column) const {
  return m_editCell && row == m_nEditRow && column == m_nSelCol;
}

void CStepListCtrl::mousePressEvent(QMouseEvent *event) {
  if (event->button() != Qt::LeftButton) {
    event->accept();
    return;
  }
  m_bActive = 1;
  const QModelIndex hit = indexAt(event->position().toPoint());
  if (hit.isValid()) {
    DefaultClick();
    if (m_bCellSelected && hit.row() == m_nSelRow && hit.column() == m_nSelCol) {
      BeginEdit(hit.row());
      return;
    }
    m_nSelRow = hit.row();
    m_nSelCol = hit.column();
    m_bCellSelected = 1;
  } else {
    if (!m_editCell)
      m_bCellSelected = 0;
    DefaultClick();
  }
  viewport()->update();
}

void CStepListCtrl::mouseDoubleClickEvent(QMouseEvent *event) {
  // The second press of a double click is no new click on the cell.
  event->accept();
}

void CStepListCtrl::focusInEvent(QFocusEvent *event) {
  // Nothing for a click: the item view's own focus handling would move a current row. Tab
  // selects the cell the keys will act on, so that the operator sees where the focus is.
  const bool tabbed =
      event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason;
  if (tabbed && m_nSelRow < 0 && !m_editCell)
    if (const auto cell = KeyCellOrFirst())
      SelectKeyCell(*cell);
  event->accept();
}

void CStepListCtrl::focusOutEvent(QFocusEvent *event) {
  QTableView::focusOutEvent(event);
  // The selection goes when the operator clicks another control of the program; switching to
  // another application or opening the cell editor over the list keeps it.
  const bool toOurWindow = QApplication::focusWidget() != nullptr &&
                           event->reason() != Qt::ActiveWindowFocusReason &&
                           event->reason() != Qt::PopupFocusReason;
  // F2 opens the editor wherever the mouse cursor rests.
  const bool toEditor = m_editCell && QApplication::focusWidget() == m_editCell;
  if (CursorOutside() && toOurWindow && !toEditor) {
    DropSelection();
    viewport()->update();
  }
}

void CStepListCtrl::keyPressEvent(QKeyEvent *event) {
  const int key = event->key();
  if (event->modifiers() & ~Qt::KeypadModifier) {
    QTableView::keyPressEvent(event);
    return;
  }
  if (key == Qt::Key_F2 || key == Qt::Key_Return || key == Qt::Key_Enter) {
    if (const auto cell = KeyCellOrFirst()) {
      SelectKeyCell(*cell);
      BeginEdit(cell->row);
    }
    event->accept();
    return;
  }
  const auto to = controls::MoveStepCell(key, KeyCell(), GetItemCount(), model()->columnCount());
  if (!to) {
    QTableView::keyPressEvent(event);
    return;
  }
  SelectKeyCell(*to);
  event->accept();
}

controls::StepCell CStepListCtrl::KeyCell() const {
  const controls::StepCell cell =
      m_nSelRow >= 0 ? controls::StepCell{m_nSelRow, m_nSelCol} : m_keyCell;
  const bool inTable = cell.row >= 0 && cell.row < GetItemCount() && cell.column >= 0 &&
                       cell.column < model()->columnCount();
  return inTable ? cell : controls::StepCell{};
}

std::optional<controls::StepCell> CStepListCtrl::KeyCellOrFirst() const {
  const controls::StepCell cell = KeyCell();
  if (cell.row >= 0)
    return cell;
  return controls::MoveStepCell(Qt::Key_Home, cell, GetItemCount(), model()->columnCount());
}

void CStepListCtrl::SelectKeyCell(controls::StepCell cell) {
  m_bActive = 1;
  m_nSelRow = cell.row;
  m_nSelCol = cell.column;
  m_bCellSelected = 1;
  m_keyCell = cell;
  scrollTo(model()->index(cell.row, cell.column));
  viewport()->update();
}

void CStepListCtrl::DefaultClick() {
  // A click anywhere in the list first ends an open edit, storing its text.
  EndEdit(true);
  setFocus(Qt::MouseFocusReason);
}

void CStepListCtrl::BeginEdit(int row) {
  if (m_nSelCol < 0 || m_editCell)
    return;
  const QRect cell = visualRect(model()->index(row, m_nSelCol));
  m_nEditRow = row;
  m_editCell = new CStepCellEdit(viewport());
  m_editCell->m_nLeft = cell.left() + kHighlightIndent;
  m_editCell->setText(GetItemText(row, m_nSelCol));
  m_editCell->Place(cell);
  m_editCell->selectAll();
  connect(m_editCell, &CStepCellEdit::EditEnded, this, &CStepListCtrl::EndEdit,
          Qt::DirectConnection);
  m_editCell->show();
  // Tab from the editor goes on to the control after the list.
  setTabOrder(this, m_editCell);
  m_editCell->setFocus(Qt::MouseFocusReason);
  viewport()->update();
}

void CStepListCtrl::EndEdit(bool store) {
  if (!m_editCell)
    return;
  CStepCellEdit *editor = m_editCell;
  m_editCell = nullptr;
  if (store && m_nSelCol >= 0)
    SetItemText(m_nEditRow, m_nSelCol, editor->text());
  m_nEditRow = -1;
  // Enter and Escape give the focus back to the list; a click elsewhere has already taken it.
  if (editor->hasFocus())
    setFocus(Qt::OtherFocusReason);
  editor->disconnect(this);
  editor->hide();
  editor->deleteLater();
  if (CursorOutside())
    DropSelection();
  viewport()->update();
}

bool CStepListCtrl::CursorOutside() const {
  return !rect().contains(mapFromGlobal(QCursor::pos()));
}

void CStepListCtrl::DropSelection() {
  if (m_nSelRow >= 0)
    m_keyCell = {m_nSelRow, m_nSelCol};
  m_nSelRow = -1;
  m_nSelCol = -1;
  m_bActive = 0;
  m_bCellSelected = 0;
}
