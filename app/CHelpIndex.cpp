#include "app/CHelpIndex.h"

#include <QFile>
#include <QRegularExpression>
#include <QTextDocumentFragment>

namespace {
QString ReadText(const QString &path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}
} // namespace

QList<CHelpIndex::Topic> CHelpIndex::ParseContents(const QString &hhc) {
  // Each topic is an OBJECT holding a Name and a Local parameter, in either order.
  static const QRegularExpression object(QStringLiteral("<object[^>]*>(.*?)</object>"),
                                         QRegularExpression::CaseInsensitiveOption |
                                             QRegularExpression::DotMatchesEverythingOption);
  static const QRegularExpression param(
      QStringLiteral("<param\\s+name\\s*=\\s*\"(\\w+)\"\\s+value\\s*=\\s*\"([^\"]*)\""),
      QRegularExpression::CaseInsensitiveOption);
  QList<Topic> topics;
  for (auto it = object.globalMatch(hhc); it.hasNext();) {
    Topic topic;
    const QString body = it.next().captured(1);
    for (auto p = param.globalMatch(body); p.hasNext();) {
      const auto match = p.next();
      const QString name = match.captured(1).toLower();
      if (name == QLatin1String("name"))
        topic.title = PlainText(match.captured(2));
      else if (name == QLatin1String("local"))
        topic.page = match.captured(2);
    }
    if (!topic.page.isEmpty())
      topics.append(topic);
  }
  return topics;
}

QString CHelpIndex::PlainText(const QString &html) {
  return QTextDocumentFragment::fromHtml(html).toPlainText().simplified();
}

CHelpIndex CHelpIndex::Load(const QString &folder) {
  CHelpIndex index;
  index.m_topics = ParseContents(ReadText(folder + QStringLiteral("/toc.hhc")));
  for (Topic &topic : index.m_topics)
    topic.text = PlainText(ReadText(folder + QLatin1Char('/') + topic.page));
  return index;
}

QList<CHelpIndex::Topic> CHelpIndex::Find(const QString &query) const {
  const QStringList words = query.split(QLatin1Char(' '), Qt::SkipEmptyParts);
  QList<Topic> found;
  for (const Topic &topic : m_topics) {
    bool all = true;
    for (const QString &word : words)
      all = all && (topic.title.contains(word, Qt::CaseInsensitive) ||
                    topic.text.contains(word, Qt::CaseInsensitive));
    if (all)
      found.append(topic);
  }
  return found;
}
