#include "platform/MenuKeys.h"

#include <vector>

namespace platform {
namespace {

// The mnemonic character after the first single '&', or a null character.
QChar Mnemonic(const QString &caption) {
  for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
    if (caption.at(i) != QLatin1Char('&'))
      continue;
    if (caption.at(i + 1) != QLatin1Char('&'))
      return caption.at(i + 1);
    ++i; // "&&" shows one '&'
  }
  return {};
}

bool Same(QChar a, QChar b) {
  return a.toCaseFolded() == b.toCaseFolded();
}

} // namespace

MenuKeyTarget MenuCharTarget(const QStringList &captions, int current, QChar typed) {
  std::vector<int> starting;
  std::vector<int> holding;
  for (int i = 0; i < captions.size(); ++i) {
    const QString &caption = captions.at(i);
    if (caption.isEmpty())
      continue;
    const QChar mnemonic = Mnemonic(caption);
    if (!mnemonic.isNull()) {
      if (Same(mnemonic, typed))
        return {};
      continue;
    }
    // The shortcut text after a tab is not part of the caption the operator reads.
    const QString shown = caption.section(QLatin1Char('\t'), 0, 0);
    if (!shown.isEmpty() && Same(shown.at(0), typed))
      starting.push_back(i);
    else if (shown.contains(typed, Qt::CaseInsensitive))
      holding.push_back(i);
  }
  const std::vector<int> &matches = starting.empty() ? holding : starting;
  if (matches.empty())
    return {};
  if (matches.size() == 1)
    return {matches.front(), true};
  for (int i : matches)
    if (i > current)
      return {i, false};
  return {matches.front(), false};
}

} // namespace platform
