#pragma once
#include <QObject>

class QMenu;

// Gives the menus it watches the typed-character rule of MenuCharTarget: a character selects,
// cycles or runs the items whose captions carry no '&'. Items with a '&' keep Qt's handling.
class CMenuKeys : public QObject {
  Q_OBJECT
public:
  explicit CMenuKeys(QObject *parent = nullptr) : QObject(parent) {}

  // Watches menu and every submenu it holds now.
  void Watch(QMenu *menu);

protected:
  bool eventFilter(QObject *watched, QEvent *event) override;
};
