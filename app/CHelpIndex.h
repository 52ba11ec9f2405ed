#pragma once
#include <QList>
#include <QString>
#include <QStringList>

// The guide's pages as the help window lists them: the contents file's topics in order, each
// with its page's plain text for the search box. No widgets.
class CHelpIndex {
public:
  struct Topic {
    QString title;
    QString page; // file name relative to the guide's folder
    QString text; // the page without markup, for searching
  };

  // Reads folder/toc.hhc and every page it names; a page that cannot be read keeps its title
  // and an empty text.
  static CHelpIndex Load(const QString &folder);
  // The topics of a contents file (HTML Help sitemap), in order.
  static QList<Topic> ParseContents(const QString &hhc);
  // The text a reader sees: tags dropped, entities decoded, white space folded.
  static QString PlainText(const QString &html);

  const QList<Topic> &Topics() const { return m_topics; }
  // Topics whose title or text holds every word of query (any case), in contents order; all
  // topics for an empty query.
  QList<Topic> Find(const QString &query) const;

private:
  QList<Topic> m_topics;
};
