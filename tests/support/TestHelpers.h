#pragma once
#include <QComboBox>
#include <QFile>
#include <QStringList>
#include <ostream>

// Small helpers several test programs share: file bytes, combo items, readable QString failures.
namespace testhelp {

// The file's bytes, or "<missing>" when it cannot be read.
inline QByteArray ReadFile(const QString &path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

inline bool WriteFile(const QString &path, const QByteArray &bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

inline QStringList Items(const QComboBox *combo) {
  QStringList items;
  for (int i = 0; i < combo->count(); ++i)
    items.append(combo->itemText(i));
  return items;
}

// "first" ... "last" as the step lists number them.
inline QStringList Counting(int first, int last) {
  QStringList items;
  for (int i = first; i <= last; ++i)
    items.append(QString::number(i));
  return items;
}

// A column of cells written as words: "1.000 _ 9.000" is {"1.000", " ", "9.000"} ('_' is the
// blank a cleared cell holds).
inline QStringList Cells(const char *words) {
  QStringList cells = QString::fromLatin1(words).split(QLatin1Char(' '), Qt::SkipEmptyParts);
  cells.replaceInStrings(QStringLiteral("_"), QStringLiteral(" "));
  return cells;
}

} // namespace testhelp

inline void PrintTo(const QString &text, std::ostream *os) {
  *os << '"' << text.toStdString() << '"';
}
