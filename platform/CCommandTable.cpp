#include "platform/CCommandTable.h"

namespace platform {

void CCommandTable::Add(int id, Handler handler, Updater updater) {
  m_entries[id] = {std::move(handler), std::move(updater)};
}

void CCommandTable::AddSwallowed(int id) {
  m_swallowed.insert(id);
}

bool CCommandTable::Has(int id) const {
  const auto it = m_entries.find(id);
  return it != m_entries.end() && it->second.handler;
}

bool CCommandTable::IsSwallowed(int id) const {
  return m_swallowed.contains(id);
}

bool CCommandTable::Run(int id) const {
  const auto it = m_entries.find(id);
  if (it == m_entries.end() || !it->second.handler)
    return false;
  it->second.handler();
  return true;
}

void CCommandTable::Update(int id, QAction *action) const {
  const auto it = m_entries.find(id);
  if (it != m_entries.end() && it->second.updater)
    it->second.updater(action);
}

} // namespace platform
