#include "vm/ClassDef.h"

#include <stdexcept>

namespace vm {

uint32_t fieldSize(const std::string& type) {
  if (type.empty()) throw std::invalid_argument("field without a type");
  switch (type[0]) {
    case 'Z':
    case 'B':
      return 1;
    case 'C':
    case 'S':
      return 2;
    case 'I':
    case 'F':
    case 'L':
    case '[':
      return 4;
    default:
      throw std::invalid_argument("unsupported field type " + type);
  }
}

uint32_t layoutFields(const std::vector<FieldSpec>& specs, uint32_t start,
                      std::vector<FieldInfo>& out) {
  uint32_t offset = start;
  for (const FieldSpec& spec : specs) {
    const uint32_t size = fieldSize(spec.type);
    offset = (offset + size - 1) / size * size;  // natural alignment: 1, 2 or 4
    out.push_back(FieldInfo{spec.name, spec.type, offset, size});
    offset += size;
  }
  return offset;
}

namespace {
uint32_t roundUp4(uint32_t v) { return (v + 3) & ~3u; }
}  // namespace

ClassDef::ClassDef(uint32_t id, std::string name, const ClassDef* superclass,
                   const std::vector<FieldSpec>& fields, const std::vector<FieldSpec>& statics)
    : id_(id), name_(std::move(name)), superclass_(superclass) {
  uint32_t start = 0;
  if (superclass_) {
    fields_ = superclass_->fields_;
    start = roundUp4(superclass_->instanceSize_);
  }
  instanceSize_ = roundUp4(layoutFields(fields, start, fields_));
  staticsSize_ = roundUp4(layoutFields(statics, 0, statics_));
}

bool ClassDef::isSubclassOf(const ClassDef& other) const {
  for (const ClassDef* c = this; c; c = c->superclass_)
    if (c == &other) return true;
  return false;
}

std::optional<FieldInfo> ClassDef::field(const std::string& name) const {
  // Search from the end so that a subclass field hides an inherited one of the same name.
  for (auto it = fields_.rbegin(); it != fields_.rend(); ++it)
    if (it->name == name) return *it;
  return std::nullopt;
}

std::optional<FieldInfo> ClassDef::staticField(const std::string& name) const {
  for (const FieldInfo& f : statics_)
    if (f.name == name) return f;
  return std::nullopt;
}

}  // namespace vm
