// The live list box models of the module, named by handles that fit the managed object's 32-bit
// field: the entry's index in the low 10 bits and, above it, a tag that every delete changes. A
// handle that was deleted, never issued or is garbage finds nothing, so a kept field can neither
// reach freed memory nor free a model twice.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "listbox/ListBoxModel.h"

namespace zelmo::listbox {

class ListBoxTable {
 public:
  static constexpr uint32_t kIndexBits = 10;
  static constexpr uint32_t kEntries = uint32_t{1} << kIndexBits;
  static constexpr uint32_t kTags = (uint32_t{1} << (32 - kIndexBits)) - 1;  // tags 1..kTags

  // A new model's handle; 0 when the shape is refused, memory is short or the table is full.
  uint32_t create(const ListBoxShape& shape);
  // The live model a handle names, or null.
  ListBoxModel* find(uint32_t handle);
  // Frees the model a handle names; anything else is ignored.
  void destroy(uint32_t handle);
  uint32_t liveCount() const;

 private:
  struct Entry {
    uint32_t deletes = 0;
    std::optional<ListBoxModel> model;
  };
  static uint32_t handleOf(uint32_t index, uint32_t deletes) {
    return (deletes % kTags + 1) << kIndexBits | index;
  }

  std::array<Entry, kEntries> entries_;
};

// The module's one table.
ListBoxTable& listBoxes();

}  // namespace zelmo::listbox
