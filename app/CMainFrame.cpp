#include "app/CMainFrame.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>
#include <QVBoxLayout>

#include "platform/CMenuKeys.h"
#include "platform/TabWalk.h"
#include "resources/AccessibleTexts.h"
#include "resources/CommandIds.h"
#include "resources/FrameResources.h"

namespace {
constexpr int kImageOfButton[] = {0, 1, -1, 2, 3, 4, 5, 6, 7, 8, 9};
} // namespace

CMainFrame::CMainFrame() {
  setWindowTitle(QLatin1String(res::kFrameTitle));
  // Caption, system menu and minimise box only: no sizing border, no maximise box.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  setWindowIcon(res::AppIcon());
  qApp->installEventFilter(this);
}

CMainFrame::~CMainFrame() {
  qApp->removeEventFilter(this);
}

QAction *CMainFrame::MakeAction(int id, const QString &text) {
  auto *action = new QAction(text, this);
  action->setData(id);
  action->setStatusTip(res::Prompt(id));
  const QString tip = res::Tooltip(id);
  if (!tip.isEmpty())
    action->setToolTip(tip);
  connect(action, &QAction::triggered, this, [this, id] { Dispatch(id); });
  m_actions[id] = action;
  return action;
}

void CMainFrame::OnCreate(platform::CCommandTable &commands) {
  m_commands = &commands;
  AddCommands(commands);
  BuildMenu();
  BuildToolBar();
  m_wndStatusBar = new QStatusBar(this);
  m_wndStatusBar->setObjectName(QStringLiteral("statusBar59393"));
  m_wndStatusBar->setSizeGripEnabled(false);
  setStatusBar(m_wndStatusBar);

  for (const auto &accel : res::Accelerators128()) {
    if (commands.IsSwallowed(accel.id))
      continue;
    QAction *action = Action(accel.id);
    if (!action) {
      action = MakeAction(accel.id, QString());
      addAction(action);
    }
    QList<QKeySequence> keys = action->shortcuts();
    keys.append(accel.keys);
    action->setShortcuts(keys);
  }
  if (QAction *toolbar = Action(cmd::kViewToolbar)) {
    toolbar->setCheckable(true);
    toolbar->setChecked(true);
  }
  if (QAction *status = Action(cmd::kViewStatusBar)) {
    status->setCheckable(true);
    status->setChecked(true);
  }
  move(StartPlace());
  SizeFrame(kCompactWidth, kHeight);
}

void CMainFrame::SetDeviceStatus(const QString &text) {
  // A prompt on show stays; the new text appears when it goes.
  if (m_wndStatusBar && m_wndStatusBar->currentMessage() == m_strDeviceStatus)
    m_wndStatusBar->showMessage(text);
  m_strDeviceStatus = text;
  // A long reason is cut at the frame's edge; the tooltip has all of it.
  if (m_wndStatusBar)
    m_wndStatusBar->setToolTip(text);
}

bool CMainFrame::event(QEvent *event) {
  // A prompt that ends gives the pane back to the device's status instead of blanking it.
  if (event->type() == QEvent::StatusTip && m_wndStatusBar &&
      static_cast<QStatusTipEvent *>(event)->tip().isEmpty()) {
    m_wndStatusBar->showMessage(m_strDeviceStatus);
    return true;
  }
  return QMainWindow::event(event);
}

void CMainFrame::BuildMenu() {
  std::function<void(QMenu *, const std::vector<res::MenuItem> &)> fill =
      [&](QMenu *menu, const std::vector<res::MenuItem> &items) {
        for (const auto &item : items) {
          const QString text = QString::fromUtf8(item.text);
          if (item.id < 0) {
            menu->addSeparator();
          } else if (item.id == 0) {
            fill(menu->addMenu(text), item.items);
          } else {
            QAction *action = MakeAction(item.id, text);
            action->setShortcutVisibleInContextMenu(true);
            menu->addAction(action);
          }
        }
        connect(menu, &QMenu::aboutToShow, this, [this, menu] {
          for (QAction *action : menu->actions())
            if (action->data().isValid())
              m_commands->Update(action->data().toInt(), action);
        });
      };
  // Items without a '&' (the channel submenus, Contents) answer their first letter instead.
  auto *keys = new CMenuKeys(this);
  for (const auto &top : res::Menu128()) {
    QMenu *menu = menuBar()->addMenu(QString::fromUtf8(top.text));
    fill(menu, top.items);
    keys->Watch(menu);
  }
}

void CMainFrame::BuildToolBar() {
  m_wndToolBar = new QToolBar(this);
  m_wndToolBar->setObjectName(QStringLiteral("toolBar59392"));
  m_wndToolBar->setIconSize(QSize(16, 15));
  m_wndToolBar->setMovable(true);
  m_wndToolBar->setFloatable(true);
  m_wndToolBar->setAllowedAreas(Qt::AllToolBarAreas);
  const auto &buttons = res::Toolbar128();
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    const int id = buttons[i];
    if (id == 0) {
      m_wndToolBar->addSeparator();
      continue;
    }
    QAction *action = Action(id);
    if (!action)
      action = MakeAction(id, QString());
    action->setIcon(QIcon(res::ToolbarImage(kImageOfButton[i])));
    m_wndToolBar->addAction(action);
  }
  addToolBar(Qt::TopToolBarArea, m_wndToolBar);
  for (const res::access::Name &name : res::access::kToolbarNames)
    if (QWidget *button = m_wndToolBar->widgetForAction(Action(name.id)))
      button->setAccessibleName(QString::fromLatin1(name.name));
}

void CMainFrame::AddCommands(platform::CCommandTable &commands) {
  commands.Add(cmd::kViewToolbar, [this] {
    m_wndToolBar->setVisible(!m_wndToolBar->isVisible());
    Action(cmd::kViewToolbar)->setChecked(m_wndToolBar->isVisible());
  });
  commands.Add(cmd::kViewStatusBar, [this] {
    m_wndStatusBar->setVisible(!m_wndStatusBar->isVisible());
    Action(cmd::kViewStatusBar)->setChecked(m_wndStatusBar->isVisible());
  });
  commands.Add(cmd::kAppExit, [this] { close(); });
  // Accelerators without a handler (copy, paste, cut, undo, pane switching): their keys do
  // nothing, so that no edit box acts on them.
  for (int id : {cmd::kEditUndo, cmd::kEditCut, cmd::kEditCopy, cmd::kEditPaste, cmd::kNextPane,
                 cmd::kPrevPane})
    commands.AddSwallowed(id);
}

void CMainFrame::UpdateToolBar() {
  // A button whose command nothing handles is shown disabled.
  for (QAction *action : m_wndToolBar->actions())
    if (action->data().isValid())
      action->setEnabled(m_commands->Has(action->data().toInt()));
}

void CMainFrame::SetPanel(QWidget *panel) {
  // The panel sits in a sunken 2-pixel client edge, as a form view does in its frame; the
  // edge is also what keeps the chart's legends just outside the compact frame's view.
  auto *edge = new QFrame(this);
  edge->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  edge->setLineWidth(2);
  auto *layout = new QVBoxLayout(edge);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(panel);
  setCentralWidget(edge);
}

QAction *CMainFrame::Action(int id) const {
  const auto it = m_actions.find(id);
  return it == m_actions.end() ? nullptr : it->second;
}

void CMainFrame::Dispatch(int id) {
  if (m_commands)
    m_commands->Run(id);
}

void CMainFrame::SizeFrame(int width, int height) {
  setFixedSize(width, height);
  raise();
}

QPoint CMainFrame::StartPlace() {
  const QPoint corner(10, 10);
  const QVariant saved = QSettings().value(QLatin1String(kPlaceKey));
  if (!saved.canConvert<QPoint>())
    return corner;
  // The title bar must be reachable: a monitor unplugged since then must not hide the window.
  const QPoint place = saved.toPoint();
  const QRect grip(place, QSize(kCompactWidth, 20));
  for (const QScreen *screen : QGuiApplication::screens())
    if (screen->availableGeometry().contains(grip))
      return place;
  return corner;
}

bool CMainFrame::focusNextPrevChild(bool next) {
  return platform::FocusNextShown(this, next);
}

void CMainFrame::closeEvent(QCloseEvent *event) {
  QSettings().setValue(QLatin1String(kPlaceKey), pos());
  QMainWindow::closeEvent(event);
}

bool CMainFrame::IsSwallowedKey(const QEvent *event) const {
  if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
    return false;
  const auto *key = static_cast<const QKeyEvent *>(event);
  const QKeySequence pressed(key->keyCombination());
  for (const auto &accel : res::Accelerators128())
    if (m_commands && m_commands->IsSwallowed(accel.id) && accel.keys == pressed)
      return true;
  return false;
}

bool CMainFrame::eventFilter(QObject *watched, QEvent *event) {
  // Only keys aimed at this frame's widgets: a modal dialog keeps its own keys. The event's
  // type is looked at first: every event of the program passes here.
  const bool key = event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride;
  if (auto *widget = key ? qobject_cast<QWidget *>(watched) : nullptr;
      widget && widget->window() == this && IsSwallowedKey(event)) {
    event->accept();
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}
