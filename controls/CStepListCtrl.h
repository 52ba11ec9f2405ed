#pragma once
#include <vector>

#include <QRect>
#include <QTableView>

#include "controls/StepCellKeys.h"
#include "core/IStepFileLoader.h"

class CStepCellEdit;
class CStepTable;

// The step list: a report list showing a step table, whose single cells are selected with one
// click and edited in place with a second click on the same cell. The list checks nothing and
// tells its owner nothing. It also holds the loading buffer of step data files.
class CStepListCtrl : public QTableView, public IStepFileLoader {
  Q_OBJECT
public:
  explicit CStepListCtrl(QWidget *parent = nullptr);
  ~CStepListCtrl() override;

  // The table shown; the list starts with an empty one of its own.
  void SetTable(CStepTable *table);
  CStepTable *Table() const { return m_pTable; }

  int InsertColumn(int column, const QString &heading, int width);
  void SetBkColor(const QColor &color); // background and text background
  // The table's operations, on the table shown.
  int GetItemCount() const;
  QString GetItemText(int row, int column) const;
  bool SetItemText(int row, int column, const QString &text);
  int InsertItem(int row, const QString &text);
  void DeleteAllItems();

  // IStepFileLoader
  void SetStepFileReader(StepFileReader reader) override;
  bool ReadStepFile(const QString &name) override;
  void SetFirstLoaded(int position) override { m_nFirstLoaded = position; }
  // Writes m_loadedVolts from position m_nFirstLoaded into the Volt column from row 0 down;
  // with no values, empties the Volt cells of the first m_nBlankRows rows.
  void RefillVoltColumn();

  // No load ever empties cells: a file without data lines leaves the table as it was.
  int m_nBlankRows = 0;
  std::vector<float> m_loadedVolts;
  int m_nFirstLoaded = 0; // 1-based; 0 also means the first value

  int SelectedRow() const { return m_nSelRow; }
  int SelectedColumn() const { return m_nSelCol; }
  bool IsCellSelected() const { return m_bCellSelected != 0; }
  bool IsActive() const { return m_bActive != 0; }
  CStepCellEdit *CellEditor() const { return m_editCell; }

  // The highlight of a cell: from 4 px inside the label's left edge, the text's width plus 6
  // (41 plus 6 for an empty text), cut at the label's right edge.
  static QRect HighlightRect(const QRect &label, int textWidth, bool textEmpty);

  // Drawing state of a cell, read by the cell painter.
  enum class CellLook { Plain, Framed, Highlighted };
  CellLook LookOf(int row, int column) const;
  bool IsEditingCell(int row, int column) const;

protected:
  void mousePressEvent(QMouseEvent *event) override;
  void mouseDoubleClickEvent(QMouseEvent *event) override;
  void focusInEvent(QFocusEvent *event) override;
  void focusOutEvent(QFocusEvent *event) override;
  // Arrow keys, Home and End select a cell; F2 and Enter open the editor on it.
  void keyPressEvent(QKeyEvent *event) override;

private:
  // The cell the keys act on: the selected one, else the last one selected, else none.
  controls::StepCell KeyCell() const;
  // KeyCell, or the first cell a key lands on; no value for an empty table.
  std::optional<controls::StepCell> KeyCellOrFirst() const;
  void SelectKeyCell(controls::StepCell cell);
  void DefaultClick();
  void BeginEdit(int row);
  void EndEdit(bool store);
  bool CursorOutside() const;
  void DropSelection();

  int m_nSelCol = -1;
  int m_nSelRow = -1;
  int m_bCellSelected = 0;
  int m_bActive = 0;
  CStepCellEdit *m_editCell = nullptr; // exists only while an edit is open
  controls::StepCell m_keyCell;        // the cell last selected, kept when the selection goes
  int m_nEditRow = -1;
  StepFileReader m_reader;
  CStepTable *m_pTable = nullptr;
};
