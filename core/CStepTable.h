#pragma once
#include <vector>

#include <QAbstractTableModel>
#include <QStringList>

// The step table: rows of texts under column headings (Step, Number, Volt), and the channel the
// steps go to. The sequencer edits, runs, saves and loads it; the step list control shows the
// rows and the CHANNEL radio buttons show (and set) the channel.
class CStepTable : public QAbstractTableModel {
  Q_OBJECT
public:
  using QAbstractTableModel::QAbstractTableModel;

  // A column past the end is appended; every row gets an empty cell.
  int InsertColumn(int column, const QString &heading);
  int GetItemCount() const;
  // Missing rows or columns read as "" and are not written.
  QString GetItemText(int row, int column) const;
  bool SetItemText(int row, int column, const QString &text);
  // A row past the end is appended; text goes into its first cell.
  int InsertItem(int row, const QString &text);
  void DeleteAllItems();

  // The CHANNEL choice: none (before start-up selects CH1), CH1 or CH2.
  enum StepChannel { kNoChannel = -1, kStepCh1 = 0, kStepCh2 = 1 };
  StepChannel GetStepChannel() const { return m_nStepChannel; }
  void SetStepChannel(StepChannel channel);

  int rowCount(const QModelIndex &parent = {}) const override;
  int columnCount(const QModelIndex &parent = {}) const override;
  QVariant data(const QModelIndex &index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex &index) const override;

Q_SIGNALS:
  void StepChannelChanged(CStepTable::StepChannel channel);

private:
  QStringList m_headings;
  std::vector<QStringList> m_rows;
  StepChannel m_nStepChannel = kNoChannel;
};
