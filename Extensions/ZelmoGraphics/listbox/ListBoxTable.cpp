#include "listbox/ListBoxTable.h"

namespace zelmo::listbox {

uint32_t ListBoxTable::create(const ListBoxShape& shape) {
  if (ListBoxModel::cellBytes(shape) < 0) return 0;
  for (uint32_t i = 0; i < kEntries; ++i) {
    Entry& entry = entries_[i];
    if (entry.model) continue;
    entry.model.emplace(shape);
    if (!entry.model->ok()) {
      entry.model.reset();
      return 0;
    }
    return handleOf(i, entry.deletes);
  }
  return 0;
}

ListBoxModel* ListBoxTable::find(uint32_t handle) {
  Entry& entry = entries_[handle & (kEntries - 1)];
  if (!entry.model || handle != handleOf(handle & (kEntries - 1), entry.deletes)) return nullptr;
  return &*entry.model;
}

void ListBoxTable::destroy(uint32_t handle) {
  if (!find(handle)) return;
  Entry& entry = entries_[handle & (kEntries - 1)];
  entry.model.reset();
  ++entry.deletes;
}

uint32_t ListBoxTable::liveCount() const {
  uint32_t live = 0;
  for (const Entry& entry : entries_) live += entry.model ? 1 : 0;
  return live;
}

namespace {
constinit ListBoxTable table;
}

ListBoxTable& listBoxes() { return table; }

}  // namespace zelmo::listbox
