#include "platform/CMenuKeys.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>

#include "platform/MenuKeys.h"

namespace {

void SendKey(QMenu *menu, int key) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
  QCoreApplication::sendEvent(menu, &press);
}

// Selects target as the arrow keys do, so that a submenu item is highlighted without opening.
void SelectWithArrows(QMenu *menu, const QAction *target) {
  const auto steps = menu->actions().size();
  for (int key : {Qt::Key_Down, Qt::Key_Up})
    for (qsizetype i = 0; i <= steps && menu->activeAction() != target; ++i)
      SendKey(menu, key);
}

} // namespace

void CMenuKeys::Watch(QMenu *menu) {
  menu->installEventFilter(this);
  for (QAction *action : menu->actions())
    if (QMenu *submenu = action->menu())
      Watch(submenu);
}

bool CMenuKeys::eventFilter(QObject *watched, QEvent *event) {
  auto *menu = qobject_cast<QMenu *>(watched);
  if (!menu || event->type() != QEvent::KeyPress)
    return QObject::eventFilter(watched, event);
  const auto *key = static_cast<QKeyEvent *>(event);
  const Qt::KeyboardModifiers extra = key->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
  if (extra != Qt::NoModifier || key->text().size() != 1 || !key->text().at(0).isPrint() ||
      key->text().at(0).isSpace())
    return false;

  const QList<QAction *> actions = menu->actions();
  QStringList captions;
  for (const QAction *action : actions) {
    const bool choosable = action->isVisible() && action->isEnabled() && !action->isSeparator();
    captions.append(choosable ? action->text() : QString());
  }
  const platform::MenuKeyTarget target = platform::MenuCharTarget(
      captions, static_cast<int>(actions.indexOf(menu->activeAction())), key->text().at(0));
  if (target.index < 0)
    return false;
  SelectWithArrows(menu, actions.at(target.index));
  if (target.activate && menu->activeAction() == actions.at(target.index))
    SendKey(menu, Qt::Key_Return); // opens the submenu or runs the command, as Enter does
  return true;
}
