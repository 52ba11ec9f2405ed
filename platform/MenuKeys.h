#pragma once
// Menu items without a '&' mnemonic answer typed characters as the Windows menus of the panel's
// first home did: the item whose caption starts with the character, else the one item that holds
// it anywhere. Several matches cycle the selection; a single match opens or runs its item.
#include <QChar>
#include <QString>
#include <QStringList>

namespace platform {

struct MenuKeyTarget {
  int index = -1;        // the item to select; -1: the menu's own handling applies
  bool activate = false; // open the submenu or run the command as Enter would
};

// captions: the menu's items in order, as QAction::text() gives them; an empty caption stands
// for an item that cannot be chosen (a separator, a hidden or disabled item). current: the
// selected item, -1 for none. An item whose explicit mnemonic is the typed character leaves the
// key to the menu (index -1); items with a mnemonic answer to nothing else.
MenuKeyTarget MenuCharTarget(const QStringList &captions, int current, QChar typed);

} // namespace platform
