#pragma once
#include <functional>
#include <map>
#include <set>

class QAction;

namespace platform {

// Every command of the menu, accelerators and toolbar in one place: id → handler and the rule
// that updates its menu item. The frame, the application and the panel each add their own
// commands; ids with no entry reach nothing.
class CCommandTable {
public:
  using Handler = std::function<void()>;
  using Updater = std::function<void(QAction *)>;

  void Add(int id, Handler handler, Updater updater = {});
  // An accelerator that must do nothing at all: its keys are swallowed before any edit box
  // sees them.
  void AddSwallowed(int id);

  bool Has(int id) const; // a handler is there
  bool IsSwallowed(int id) const;
  // Runs the handler; false when there is none.
  bool Run(int id) const;
  void Update(int id, QAction *action) const;

private:
  struct Entry {
    Handler handler;
    Updater updater;
  };
  std::map<int, Entry> m_entries;
  std::set<int> m_swallowed;
};

} // namespace platform
