#include "core/CStepTable.h"

#include <algorithm>

int CStepTable::InsertColumn(int column, const QString &heading) {
  column = std::clamp(column, 0, static_cast<int>(m_headings.size()));
  beginInsertColumns({}, column, column);
  m_headings.insert(column, heading);
  for (QStringList &row : m_rows)
    row.insert(column, QString());
  endInsertColumns();
  return column;
}

int CStepTable::GetItemCount() const {
  return static_cast<int>(m_rows.size());
}

QString CStepTable::GetItemText(int row, int column) const {
  if (row < 0 || row >= GetItemCount() || column < 0 || column >= m_headings.size())
    return {};
  return m_rows[static_cast<std::size_t>(row)][column];
}

bool CStepTable::SetItemText(int row, int column, const QString &text) {
  if (row < 0 || row >= GetItemCount() || column < 0 || column >= m_headings.size())
    return false;
  m_rows[static_cast<std::size_t>(row)][column] = text;
  const QModelIndex cell = index(row, column);
  Q_EMIT dataChanged(cell, cell, {Qt::DisplayRole});
  return true;
}

int CStepTable::InsertItem(int row, const QString &text) {
  row = std::clamp(row, 0, GetItemCount());
  beginInsertRows({}, row, row);
  QStringList cells(m_headings.size());
  if (!cells.isEmpty())
    cells[0] = text;
  m_rows.insert(m_rows.begin() + row, cells);
  endInsertRows();
  return row;
}

void CStepTable::DeleteAllItems() {
  beginResetModel();
  m_rows.clear();
  endResetModel();
}

void CStepTable::SetStepChannel(StepChannel channel) {
  if (channel == m_nStepChannel)
    return;
  m_nStepChannel = channel;
  Q_EMIT StepChannelChanged(channel);
}

int CStepTable::rowCount(const QModelIndex &parent) const {
  return parent.isValid() ? 0 : GetItemCount();
}

int CStepTable::columnCount(const QModelIndex &parent) const {
  return parent.isValid() ? 0 : static_cast<int>(m_headings.size());
}

QVariant CStepTable::data(const QModelIndex &index, int role) const {
  if (role != Qt::DisplayRole && role != Qt::EditRole)
    return {};
  return GetItemText(index.row(), index.column());
}

QVariant CStepTable::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
      section < m_headings.size())
    return m_headings[section];
  return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags CStepTable::flags(const QModelIndex &index) const {
  return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}
