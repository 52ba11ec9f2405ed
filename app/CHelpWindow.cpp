#include "app/CHelpWindow.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QSplitter>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include "resources/FrameResources.h"

namespace {
// Pages compiled into the program live under ":/", whose URL scheme is qrc.
QUrl PageUrl(const QString &folder, const QString &page) {
  const QString path = folder + QLatin1Char('/') + page;
  return folder.startsWith(QLatin1Char(':')) ? QUrl(QStringLiteral("qrc") + path)
                                             : QUrl::fromLocalFile(path);
}

QToolButton *MakeButton(QWidget *parent, const QString &text, const QKeySequence &keys) {
  auto *button = new QToolButton(parent);
  button->setText(text);
  button->setShortcut(keys);
  button->setToolTip(QStringLiteral("%1 (%2)").arg(text, keys.toString(QKeySequence::NativeText)));
  return button;
}
} // namespace

CHelpWindow::CHelpWindow(const QString &folder, QWidget *parent)
    : QWidget(parent, Qt::Window), m_folder(folder) {
  res::InitResources();
  m_index = CHelpIndex::Load(folder);
  setWindowTitle(QStringLiteral("KTX2300M Help"));
  // Closing the panel ends the program even while the guide is open.
  setAttribute(Qt::WA_QuitOnClose, false);
  resize(820, 560);

  m_back = MakeButton(this, QStringLiteral("Back"), QKeySequence::Back);
  m_forward = MakeButton(this, QStringLiteral("Forward"), QKeySequence::Forward);
  auto *home = MakeButton(this, QStringLiteral("Contents"), QKeySequence(Qt::ALT | Qt::Key_Home));
  m_search = new QLineEdit(this);
  m_search->setPlaceholderText(QStringLiteral("Search"));
  m_search->setClearButtonEnabled(true);
  auto *bar = new QHBoxLayout;
  bar->addWidget(m_back);
  bar->addWidget(m_forward);
  bar->addWidget(home);
  bar->addStretch();

  m_topics = new QListWidget(this);
  auto *side = new QWidget(this);
  auto *sideLayout = new QVBoxLayout(side);
  sideLayout->setContentsMargins(0, 0, 0, 0);
  sideLayout->addWidget(m_search);
  sideLayout->addWidget(m_topics);

  m_browser = new QTextBrowser(this);
  m_browser->setOpenExternalLinks(true);
  m_browser->document()->setDefaultStyleSheet(QStringLiteral("dt { font-weight: bold; }"));
  auto *split = new QSplitter(this);
  split->addWidget(side);
  split->addWidget(m_browser);
  split->setStretchFactor(1, 3);

  auto *layout = new QVBoxLayout(this);
  layout->addLayout(bar);
  layout->addWidget(split);

  connect(m_back, &QToolButton::clicked, m_browser, &QTextBrowser::backward);
  connect(m_forward, &QToolButton::clicked, m_browser, &QTextBrowser::forward);
  connect(home, &QToolButton::clicked, this, &CHelpWindow::ShowContents);
  connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QToolButton::setEnabled);
  connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QToolButton::setEnabled);
  connect(m_search, &QLineEdit::textChanged, this, &CHelpWindow::ListTopics);
  connect(m_search, &QLineEdit::returnPressed, this, [this] {
    if (m_topics->count() > 0)
      OpenPage(m_topics->item(0)->data(Qt::UserRole).toString());
  });
  connect(m_topics, &QListWidget::itemActivated, this,
          [this](QListWidgetItem *item) { OpenPage(item->data(Qt::UserRole).toString()); });
  connect(m_topics, &QListWidget::itemClicked, this,
          [this](QListWidgetItem *item) { OpenPage(item->data(Qt::UserRole).toString()); });
  m_back->setEnabled(false);
  m_forward->setEnabled(false);
  ListTopics(QString());
}

void CHelpWindow::ListTopics(const QString &query) {
  m_topics->clear();
  for (const CHelpIndex::Topic &topic : m_index.Find(query)) {
    auto *item = new QListWidgetItem(topic.title, m_topics);
    item->setData(Qt::UserRole, topic.page);
  }
}

void CHelpWindow::OpenPage(const QString &page) {
  m_browser->setSource(PageUrl(m_folder, page));
}

void CHelpWindow::ShowContents() {
  m_search->clear();
  const QList<CHelpIndex::Topic> &topics = m_index.Topics();
  OpenPage(topics.isEmpty() ? QStringLiteral("index.html") : topics.first().page);
  show();
  raise();
  activateWindow();
}
